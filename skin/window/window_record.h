#pragma once
#include <string>
#include <vector>
#include <windows.h>

#include "skin/window/skin_types.h"
#include "skin/window/tooltip.h"

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
};

struct AnchoredChild {
    HWND child = nullptr;
    int top = 0;
    int rightOffset = 0;
    int fill = 0;
};

// What every item of every control list begins with.  Each list starts with
// one zero-filled item, which the first control registered takes over.
struct ControlItem {
    HWND hwnd = nullptr;
    WNDPROC previousProcedure = nullptr;
};
using ControlList = std::vector<ControlItem>;

// The state of one skinned top-level window.
struct WindowRecord {
    HWND hwnd = nullptr;
    int shownFlag = 0;
    int hiddenFlag = 0;
    int closeEffect = 0;
    int movingFlag = 0;
    int sizingFlag = 0;
    int restoredFlag = 0;
    int erasedFlag = 0;
    int activeFlag = 0;
    int captionHeight = 25;
    int hasHelpButton = 0;
    int hasMenuButton = 0;
    int hasMinButton = 0;
    int hasMaxButton = 0;
    int hasCloseButton = 0;
    int showTitle = 1;
    int captionGloss = 0;
    WNDPROC previousProcedure = nullptr;
    Bytes ownPicture;
    int ownPictureMode = 0;
    COLORREF ownBackColour = 0;
    LONG tintColour = -1;  // a COLORREF, or -1 for none
    int tintAlpha = 255;
    std::vector<CaptionButton> captionButtons;
    int buttonBlockX = 0, buttonBlockY = 0, buttonBlockWidth = 0, buttonBlockHeight = 22;
    HBITMAP captionCacheOldBitmap = nullptr, captionCacheBitmap = nullptr;
    HBITMAP barCacheOldBitmap = nullptr, barCacheBitmap = nullptr;
    int maximisedFlag = 0;
    int minimisedFlag = 0;
    int minTrackWidth = 200, minTrackHeight = 150;
    int maxTrackWidth = 0, maxTrackHeight = 0;
    int resizable = 1;
    int framed = 1;
    COLORREF titleColour = 0xFFFFFF;
    LONG titleHaloColour = 0x808080;  // a COLORREF, or -1 for plain text
    std::string titleFontName = "宋体";
    int titleFontSize = 12;
    int titleBold = 1;
    int titleGlow = 0;
    int hoveredButton = 0;
    int hotKindCode = 0;
    Callback helpCallback, menuCallback, closeQueryCallback;
    ToolTip captionTips;
    int barHeight = 0;
    IntRect barRect;
    std::vector<BarItem> barItems;
    std::vector<IntRect> barItemRects;
    int barTextInverse = 0;
    int barTextGlow = 0;
    COLORREF barTextColour = 0;
    COLORREF barGlowColour = 0xFFFFFF;
    std::string barFontName = "宋体";
    int barFontSize = 12;
    Callback barClickCallback, barRightClickCallback, barDoubleClickCallback;

    // Control lists, one per family of skinned controls, plus three that no
    // family of this program fills.
    ControlList buttons{1}, edits{1}, listLike{1}, trackbars{1}, progressBars{1}, upDowns{1}, headers{1},
        toolbars{1}, containers{1}, spareList1{1}, spareList2{1}, spareList3{1};

    int needsCompose = 1;
    HDC backgroundSurface = nullptr;
    HDC captionCacheDc = nullptr;
    HDC barCacheDc = nullptr;
    HDC compositionCache = nullptr;
    int hotSlot = 0, pointedSlot = 0;
    HWND hotParent = nullptr;
    std::vector<AnchoredChild> anchoredChildren{1};
    int mouseInside = 0;
    FadeState fadeIn, fadeOut;
    int hoverTimerRunning = 0;
    int composedWidth = 0, composedHeight = 0;

    // Every control list of the record, for walks over all of them; the
    // toolbar list is the one whose controls carry the toolbar keys.
    std::vector<ControlList*> controlLists();
};

// All skinned windows, in creation order; a window's index is its 1-based
// position here.
std::vector<WindowRecord>& windowRecords();

// The window index stored on a window, 0 when it names no record.
int windowIndexOf(HWND window);

// The index of the record whose window is the handle, found by search (for
// when no property may be set yet); 0 when there is none.
int findWindowRecord(HWND window);

// The record at a 1-based index; the caller checks the range.
WindowRecord& record(int index);

bool validIndex(int index);

// Appends a record and returns its index.
int addWindowRecord(WindowRecord r);

// Removes the record at an index.  Every later record moves down by one, and
// the index stored on each later window ("Hw_lbID") and on each control of
// their control lists ("Hw_FuID", or "Kj_FuID" for toolbars) is rewritten.
// The record's own resources are its owner's to release first.
void removeWindowRecord(int index);

// Frees every record (at exit, and in tests).
void clearWindowRecords();

}  // namespace skin
