#pragma once
#include <optional>
#include <windows.h>

#include "skin/window/colour.h"
#include "skin/window/settings.h"

// Skinned up-down controls: a translucent ground split into two halves, each
// a rounded gradient tile with its arrow; the half under the pointer lights
// up in the accent colour, and deepens while it is pressed.  The control
// keeps its own logic (capture, auto-repeat, its buddy); the skin only paints.
namespace skin {

// ---- Registration ------------------------------------------------------------

// Registers every direct "msctls_updown32" child, horizontal when its style
// has UDS_HORZ.  Nothing while the control skin is off.
void skinUpDowns(int index, HWND parent);

LRESULT CALLBACK upDownSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Geometry -------------------------------------------------------------------

// The size of one half: a horizontal control is split across its width, a
// vertical one across its height (the integer half; an odd last pixel row or
// column belongs to neither half's tile).
SIZE upDownHalfSize(SIZE control, bool horizontal);

// The box of the first (0) or second (1) half.
RECT upDownHalfBox(SIZE control, bool horizontal, int half);

// 1 when the point lies in the second half, else 0: past the integer half of
// the width (horizontal) or height (vertical).
int upDownHalfAt(SIZE control, bool horizontal, POINT p);

// ---- Looks ------------------------------------------------------------------------

inline constexpr int kNoHalf = -1;

struct UpDownLook {
    bool horizontal = false;
    int litHalf = kNoHalf;  // the half under the pointer, kNoHalf when not hovered
    bool pressed = false;   // the lit half is held down
    COLORREF accent = kDefaultAccent;
    bool operator==(const UpDownLook&) const = default;
};

// Hovered, the half under the point is lit; not hovered, none is.
UpDownLook upDownLook(SIZE control, bool horizontal, bool hovered, bool pressed, POINT point, COLORREF accent);

// How one half is drawn: its gradient along the split, from the half's start
// to its end, and its outline.
struct UpDownHalfColours {
    Argb from = 0, to = 0, outline = 0;
    bool operator==(const UpDownHalfColours&) const = default;
};
UpDownHalfColours upDownHalfColours(const UpDownLook& look, int half);

// ---- Painters --------------------------------------------------------------------

// Paints the control's face into the rectangle of a canvas that already
// holds what lies behind it.
void paintUpDown(HDC canvas, const RECT& rc, const UpDownLook& look);

// Paints a registered control at once onto its window, over its backdrop,
// and publishes the image into its window's composition cache.  An absent
// state is taken from the control's item (hovered, pressed); without a point
// the lit half is the one pressed last while the button is held, else the
// one the pointer was last over.
void paintUpDown(HWND control, std::optional<bool> hovered = std::nullopt, std::optional<bool> pressed = std::nullopt,
                 std::optional<POINT> point = std::nullopt);

}  // namespace skin
