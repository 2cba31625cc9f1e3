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
// WM_CTLCOLORSTATIC.  The brush is lined up with the control's own client
// area, which is where a skinned parent cuts its pattern brush from what lies
// behind the control.
void fillWithParentBackground(HWND control, HDC dc, const RECT& rc);

// Whether the control lies in a skinned window whose skin image is composed.
bool isOverSkin(HWND control);

// Copies the skin image that lies behind a rectangle of a control without a
// border (its client and window rectangles start at the same corner) onto
// the context, pixel for pixel.  False, and nothing drawn, when the control
// is in no skinned window.
bool paintSkinBehind(HWND control, HDC dc, const RECT& rc);

// Registers the window classes of our own controls (labels, picture boxes,
// browser hosts).
bool registerControlClasses(HINSTANCE instance);

}  // namespace app
