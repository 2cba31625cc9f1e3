#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/control_font.h"
#include "skin/window/colour.h"
#include "skin/window/settings.h"

// Skinned header controls, standalone or the column headers of list views
// in report view: every column becomes a translucent tile over the window's
// skin with a soft gradient, a thin gradient divider at its right edge, its
// icon and its text in black, cut with an ellipsis.  Button headers shade
// the column under the pointer and the pressed one.  The last column of a
// list view's header reaches the list view's right edge.  The control keeps
// its own logic (sizing, clicks, notifications); the skin reads its columns
// back with header messages.
namespace skin {

// ---- Registration ------------------------------------------------------------

// Registers every direct "SysHeader32" child and the header of every direct
// "SysListView32" child, each with its button style and its font.  A header
// already registered is left as it is.  Nothing while the control skin is off.
void skinHeaders(int index, HWND parent);

LRESULT CALLBACK headerSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Layout -------------------------------------------------------------------

// Within this many pixels of a column's edge the pointer is on a divider,
// over no column.
inline constexpr int kDividerZone = 5;

// The 1-based column whose horizontal extent holds x with the divider zone
// kept clear on both sides, the first that does; 0 for none.
int headerItemAt(std::span<const RECT> columns, int x);

// Where a column's icon and text go, in the column's own coordinates.
struct HeaderItemLayout {
    int x = 0;          // start of the icon, or of the text without one
    float iconTop = 0;  // the icon is centred vertically
    RECT text{};        // the text's layout box: left, top, right, bottom
    bool operator==(const HeaderItemLayout&) const = default;
};

// Right-aligned and centred texts that do not fit start at the bitmap margin;
// left-aligned ones always do.
HeaderItemLayout headerItemLayout(int format, SIZE column, SIZE icon, int margin, int textWidth);

// Width in pixels of a text in a font, as the header lays it out (0 for an
// empty text or a font that cannot be made).
int measureTextWidth(const std::string& text, const ControlFont& font);

// ---- Looks --------------------------------------------------------------------

struct HeaderColumnLook {
    RECT rect{};             // the column in the header's client area
    int stretchedRight = 0;  // the tile and face reach this far (the last column of a list view's)
    std::string text;
    int format = 0;        // HDF_ bits
    bool hot = false;      // shaded as under the pointer
    bool pressed = false;  // shaded as held down
    // The icon: an image of the header's image list, read when painting;
    // none without a list or with an image out of its range.
    HIMAGELIST iconList = nullptr;
    int iconImage = -1;
    bool operator==(const HeaderColumnLook& o) const {
        return EqualRect(&rect, &o.rect) && stretchedRight == o.stretchedRight && text == o.text &&
               format == o.format && hot == o.hot && pressed == o.pressed && iconList == o.iconList &&
               iconImage == o.iconImage;
    }
};

struct HeaderLook {
    bool buttonStyle = false;
    Argb tile = 0xFFFFFFFF;  // white, at the veil alpha over transparent lists
    COLORREF accent = kDefaultAccent;
    ControlFont font;
    int margin = 0;  // the header's bitmap margin
    std::vector<HeaderColumnLook> columns;
    bool operator==(const HeaderLook&) const = default;
};

// The face of the header's tiles: with the button style white a80 to accent
// a120, else accent a60 to accent a10, from top to bottom.
std::pair<Argb, Argb> headerFaceGradient(bool buttonStyle, COLORREF accent);

// ---- Painters -----------------------------------------------------------------

// Paints every column into the rectangle of a canvas that already holds what
// lies behind the header; each column is kept inside its own tile.
void paintHeader(HDC canvas, const RECT& rc, const HeaderLook& look);

// Paints a registered header at once, onto the given context or its own,
// over its backdrop, and publishes the image into its window's composition
// cache.
void paintHeader(HWND header, HDC dc = nullptr);

// What the header shows now, read back from it: its columns, icons from its
// current image list, the shading of the item's hover and press.
HeaderLook headerLookOf(HWND header);

}  // namespace skin
