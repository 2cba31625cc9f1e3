#pragma once
#include <optional>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "gfx/text.h"
#include "gfx/types.h"
#include "skin/controls/control_font.h"
#include "skin/window/settings.h"

// Skinned toolbars: every button drawn by the skin over the skinned window's
// background, flat, with a soft rounded highlight for the hot, pressed and
// checked ones, etched separators, greyed icons for disabled buttons and a
// small arrow for drop-downs.  A toolbar that holds child windows is also a
// container whose children are skinned in turn.
namespace skin {

// ---- Registration ------------------------------------------------------------------

// The last entry of the dispatch: every direct toolbar child of the parent.
// Toolbars register whatever the control-skinning switch says; while it is
// off they leave their painting to the system.
void skinToolbars(int index, HWND parent);

// Registers one toolbar in the toolbar list of the skinned window that holds
// it; a toolbar with child windows also becomes a container.
void skinToolbar(HWND toolbar, std::optional<COLORREF> keyColour = std::nullopt, int containerOption = 0,
                 std::optional<int> containerAlpha = std::nullopt, int option = 0);

LRESULT CALLBACK toolbarSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Whether the skinned window of a control has its parts drawn afresh now:
// while it is moved, only when it is also sized; otherwise while it is
// active.  False when the control's window index names no window.
bool isWindowRedrawDue(HWND window, bool toolbarKeys);

// ---- Looks ---------------------------------------------------------------------------

// How a button is highlighted: pressed wins over checked, checked over hot.
enum class ToolbarHighlight { None, Pressed, Checked, Hot };
ToolbarHighlight toolbarHighlightOf(BYTE state, bool hot);

// A highlight needs a button larger than the insets of its glow (4 across,
// 4 down for a checked button, 6 down for a hot one); a smaller button is
// left without one.
bool highlightFits(ToolbarHighlight highlight, int width, int height);

// The button types, tested with masks so that autosize and show-text
// buttons count as the buttons they are.
bool isSeparator(BYTE style);
bool isDropDown(BYTE style);
// Separators are etched lines; every other button may show an icon.
bool showsIcon(BYTE style);
// A button drawn greyed: indeterminate or not enabled; a whole drop-down
// only when its state has no bit but indeterminate.
bool isGreyed(BYTE state, BYTE style);

// A separator whose left edge is at most 9 and that is not the first button
// starts a new row and is drawn across the toolbar.
bool startsNewRow(int left, int index);

// Where a button's parts go, from its rectangle (the toolbar's client
// coordinates), its icon's size (0 without icon) and its type.
struct ToolbarButtonLayout {
    POINT icon{};
    POINT arrow{};  // the drop-down mark's top-left corner
    gfx::RectF caption{};
};
ToolbarButtonLayout layoutToolbarButton(const RECT& button, SIZE icon, BYTE style, bool greyed, bool captionsBeside);

// Everything a button is drawn from.
struct ToolbarButtonLook {
    RECT rect{};  // in the canvas
    int index = 0;
    BYTE state = TBSTATE_ENABLED;
    BYTE style = BTNS_BUTTON;
    bool hot = false;
    bool captionsBeside = false;  // TBSTYLE_LIST
    int toolbarWidth = 0;         // new-row separators run across it
    SIZE icon{};                  // 0 x 0 without icon
    std::string caption;          // GBK; empty draws none
    ControlFont font;
    COLORREF textColour = 0;
    COLORREF accent = kDefaultAccent;
    bool operator==(const ToolbarButtonLook& o) const {
        return EqualRect(&rect, &o.rect) && index == o.index && state == o.state && style == o.style && hot == o.hot &&
               captionsBeside == o.captionsBeside && toolbarWidth == o.toolbarWidth && icon.cx == o.icon.cx &&
               icon.cy == o.icon.cy && caption == o.caption && font == o.font && textColour == o.textColour &&
               accent == o.accent;
    }
};

// The colour a disabled icon's pixel becomes (COLORREF in, COLORREF out):
// black, white and every grey become 0, the transparent key; other colours
// their mean grey, reddish for an indeterminate button.
COLORREF greyedPixel(COLORREF colour, bool indeterminate);

// ---- Painters -------------------------------------------------------------------------

// One button onto a canvas that holds the toolbar's backdrop; the icon, when
// there is one, stays the caller's.  The caption is drawn in the given font
// (the look's font made once for every button), or in the look's font.
void paintToolbarButton(HDC canvas, const ToolbarButtonLook& look, HICON icon, const gfx::Font* font = nullptr);

// The icon greyed by greyedPixel at (x, y), its transparent pixels left out.
void drawGreyedIcon(HDC dc, int x, int y, HICON icon, BYTE state);

// ---- Painting a registered toolbar ------------------------------------------------------

// The caption of the button with this command, read into a buffer of the
// length the toolbar reports first; empty when the button has none.
std::string toolbarButtonCaption(HWND toolbar, int command);

// One button of a toolbar as it is now onto the toolbar's canvas.
void paintToolbarButton(HWND toolbar, int index, HDC canvas, bool hot);

// Every button of a toolbar over its backdrop, published into the
// composition cache and copied onto the given context (the paint's, which
// stays the caller's) or onto the toolbar's own.  The toolbar is then clean.
void paintToolbar(HWND toolbar, HDC dc = nullptr);

}  // namespace skin
