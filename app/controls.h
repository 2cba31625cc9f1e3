#pragma once
#include <windows.h>

#include "app/fonts.h"
#include "app/layout.h"

namespace app {

// What creating a control of a window needs: the window, its fonts, and the
// rectangles that page-relative and group-relative positions start from.
struct ControlContext {
    HWND parent;
    FontSet* fonts;
    RECT pageArea;
    RECT groupRect;
};

// Creates one control of the layout as a direct child of the context's
// window, with its class, place, caption, font, colours, items and state.
HWND createControl(const ControlContext& context, const ControlSpec& spec, bool visible);

// Fills a rectangle of a control with what its parent answers to
// WM_CTLCOLORSTATIC, lined up with the parent (a pattern brush cut from the
// parent's image continues seamlessly).
void fillWithParentBackground(HWND control, HDC dc, const RECT& rc);

// Registers the window classes of our own controls (labels, picture boxes,
// browser hosts).
bool registerControlClasses(HINSTANCE instance);

}  // namespace app
