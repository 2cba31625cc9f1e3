#pragma once
#include <windows.h>

namespace skin {

// A device context of the window (the given one, or GetDC(window)) with the
// rectangle of every visible child that lacks WS_EX_TRANSPARENT excluded
// from its clip.  For a skinned window the rectangles are clamped to the
// size it was last composed at.  The caller releases it with ReleaseDC.
HDC getWindowDcExcludingChildren(HWND window, HDC dc = nullptr);

// A child's window rectangle in its parent's client coordinates.
RECT childRectInParent(HWND child);

}  // namespace skin
