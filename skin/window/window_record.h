#pragma once
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "skin/window/bar_items.h"
#include "skin/window/button_item.h"
#include "skin/window/control_item.h"
#include "skin/window/edit_items.h"
#include "skin/window/header_item.h"
#include "skin/window/list_item.h"
#include "skin/window/skin_types.h"
#include "skin/window/toolbar_items.h"
#include "skin/window/tooltip.h"
#include "skin/window/up_down_item.h"
#include "win/fonts.h"

namespace skin {

// Kinds of caption buttons.
enum CaptionButtonKind : int {
    kCloseButton = 0,
    kMaximiseButton = 1,
    kMinimiseButton = 2,
    kMenuButton = 3,
    kHelpButton = 4,
    kCallbackButton = 5,
};

struct CaptionButton {
    int width = 0;  // 26, or 38 for the close button
    int height = 0;
    Bytes glyph;
    Bytes alternateGlyph;  // the maximise button's restore picture
    int kind = 0;
    std::string tipText;
    Callback callback;
    FloatRect rect;
};

struct BarItem {
    int width = 0;  // -1: the rest of the bar
    std::string text;
    Bytes picture;
    COLORREF colour = 0;
};

// Caption button hover animation: which button (1-based, 0 none) and how far.
struct FadeState {
    int button = 0;
    int step = 0;
    bool operator==(const FadeState&) const = default;
};

// The caption buttons' hover animation of one window.
struct HoverState {
    int hoveredButton = 0;  // drawn as hovered, 0 = none
    FadeState fadeIn, fadeOut;
    bool hoverTimerRunning = false;
    bool mouseInside = false;  // between WM_MOUSEHOVER and WM_MOUSELEAVE
};

struct CaptionState {
    int captionHeight = 25;
    bool hasHelpButton = false;
    bool hasMenuButton = false;
    bool hasMinButton = false;
    bool hasMaxButton = false;
    bool hasCloseButton = false;
    bool showTitle = true;
    bool captionGloss = false;                  // gloss over the caption, tint kept off it
    std::vector<CaptionButton> captionButtons;  // left to right
    // The caption button block in client coordinates.
    int buttonBlockX = 0, buttonBlockY = 0, buttonBlockWidth = 0, buttonBlockHeight = 22;
    COLORREF titleColour = 0xFFFFFF;
    LONG titleHaloColour = 0x808080;  // a COLORREF, or -1 for plain text
    std::string titleFontName = win::kDefaultFace;
    int titleFontSize = 12;
    bool titleBold = true;
    bool titleGlow = false;  // blurred glow instead of the four-way halo
    ToolTip captionTips;
};

struct BarState {
    int barHeight = 0;  // 0: no bar
    IntRect barRect;
    std::vector<BarItem> barItems;
    std::vector<IntRect> barItemRects;  // laid out, same order as the items
    bool barTextInverse = false;
    bool barTextGlow = false;
    COLORREF barTextColour = 0;
    COLORREF barGlowColour = 0xFFFFFF;
    std::string barFontName = win::kDefaultFace;
    int barFontSize = 12;
    Callback barClickCallback, barRightClickCallback, barDoubleClickCallback;
};

// The composed image and the strips cached from it.  The record owns every
// context and bitmap here; they go when the window goes.
struct SurfaceCaches {
    HDC backgroundSurface = nullptr;  // the whole window as last composed
    HDC captionCacheDc = nullptr;     // the caption band before title and buttons
    HBITMAP captionCacheOldBitmap = nullptr, captionCacheBitmap = nullptr;
    HDC barCacheDc = nullptr;  // the bar before its items
    HBITMAP barCacheOldBitmap = nullptr, barCacheBitmap = nullptr;
    HDC compositionCache = nullptr;  // the composed image with the controls published into it
    int composedWidth = 0, composedHeight = 0;
    // Moves on whenever pixels of the surface may have changed (a compose, a
    // caption or bar strip redrawn), never to a value any surface had
    // before: what was copied out of it at an equal generation still holds
    // its pixels.
    unsigned generation = 0;
};

struct TrackLimits {
    int minTrackWidth = 200, minTrackHeight = 150;
    int maxTrackWidth = 0, maxTrackHeight = 0;
};

// The state of one skinned top-level window.
struct WindowRecord {
    HWND hwnd = nullptr;
    bool shownFlag = false;     // the first show composed the window
    bool hiddenFlag = false;    // the window has been hidden
    int closeEffect = 0;        // 0 none, 1 shrink and fade, 2 pulse and fade
    bool movingFlag = false;    // between WM_MOVING and WM_EXITSIZEMOVE
    bool sizingFlag = false;    // between WM_SIZING and WM_EXITSIZEMOVE
    bool restoredFlag = false;  // being restored from minimised, until the next paint
    bool erasedFlag = false;    // an erase painted the window from the composition cache
    bool activeFlag = false;
    bool maximisedFlag = false;
    bool minimisedFlag = false;
    bool resizable = true;
    bool framed = true;  // frame, caption, caption buttons, dragging and hit testing
    bool needsCompose = true;
    WNDPROC previousProcedure = nullptr;

    Bytes ownPicture;  // the window's own background picture; empty: the skin's
    int ownPictureMode = 0;
    COLORREF ownBackColour = 0;
    LONG tintColour = -1;  // a COLORREF, or -1 for none
    int tintAlpha = 255;

    CaptionState caption;
    BarState bar;
    SurfaceCaches caches;
    TrackLimits limits;
    HoverState hover;

    // Hot tracking of the controls, shared by every family of the window:
    // the control under the pointer, the one last drawn hot and its family.
    int hotSlot = 0, pointedSlot = 0;
    int hotKindCode = 0;
    HWND hotParent = nullptr;  // parent of the edit last drawn hot

    Callback helpCallback, menuCallback, closeQueryCallback;

    // One list per family of skinned controls.
    ControlList<ButtonItem> buttons{1};
    ControlList<EditItem> edits{1};
    ControlList<ComboItem> comboBoxes{1};
    ControlList<ListItem> listLike{1};
    ControlList<TrackbarItem> trackbars{1};
    ControlList<ProgressItem> progressBars{1};
    ControlList<UpDownItem> upDowns{1};
    ControlList<HeaderItem> headers{1};
    ControlList<ToolbarItem> toolbars{1};
    ControlList<ContainerItem> containers{1};

    // Calls f(list, toolbarKeys) for every control list of the record; the
    // toolbar list is the one whose controls carry the toolbar keys.
    template <class F>
    void forEachControlList(F&& f) {
        f(buttons, false);
        f(edits, false);
        f(comboBoxes, false);
        f(listLike, false);
        f(trackbars, false);
        f(progressBars, false);
        f(upDowns, false);
        f(headers, false);
        f(toolbars, true);
        f(containers, false);
    }
};

// All skinned windows, in creation order; a window's index is its 1-based
// position here.  A record keeps its address while other windows come and go.
const std::vector<std::unique_ptr<WindowRecord>>& windowRecords();
int windowRecordCount();

// The window index stored on a window, 0 when it names no record.
int windowIndexOf(HWND window);

// The record a window's index names, or null.
WindowRecord* recordOf(HWND window);

// The index of the record whose window is the handle, found by search (for
// when no property may be set yet); 0 when there is none.
int findWindowRecord(HWND window);

// The record at a 1-based index; the caller checks the range.
WindowRecord& record(int index);

bool validIndex(int index);

// The 1-based index of a record, or 0 when it is not in the list.
int indexOfRecord(const WindowRecord& r);

// Appends a record and returns its index.
int addWindowRecord(std::unique_ptr<WindowRecord> r);

// Removes the record at an index.  Every later record moves down by one, and
// the index stored on each later window ("Hw_lbID") and on each control of
// their control lists ("Hw_FuID", or "Kj_FuID" for toolbars) is rewritten.
// The record's own resources are its owner's to release first.
void removeWindowRecord(int index);

// The container item that a window's properties name ("Hw_FuID", "Hw_lbID"),
// or null when the window is no registered container.
ContainerItem* containerItemOf(HWND window);

// Frees every record (at exit, and in tests).
void clearWindowRecords();

}  // namespace skin
