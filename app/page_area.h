#pragma once
#include <windows.h>

namespace app {

// Over a skin, the tab control shows the skin image around its pages, exactly
// as it lies behind it, so that the page and the skinned controls on it read
// as one surface.  Its headers are drawn as veiled tabs with their titles,
// the selected one lighter and outlined in the accent colour.  Without a skin
// the tab control paints itself as usual.
void showSkinBehindPages(HWND tab);

// The look of one header as values, and its painter over a canvas.
struct TabHeaderLook {
    RECT rect;
    bool selected;
    bool focused;
    COLORREF accent;
    int veilAlpha;
};
void paintTabHeaderFace(HDC canvas, const TabHeaderLook& look);

}  // namespace app
