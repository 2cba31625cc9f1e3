#pragma once
#include <windows.h>

#include "win/handles.h"

namespace skin {

// Excludes from the device context's clip the rectangle of every visible
// child of the window that lacks WS_EX_TRANSPARENT.  For a skinned window the
// rectangles are clamped to the size it was last composed at, for a
// container to its client size when it was registered.  The context
// stays the caller's.
void excludeChildrenFromClip(HWND window, HDC dc);

// The window's own device context (GetDC) with its children excluded as
// above; released when the owner goes.
win::WindowDc getWindowDcExcludingChildren(HWND window);

// The given context with the window's children excluded; it stays the
// caller's to release.
HDC getWindowDcExcludingChildren(HWND window, HDC dc);

}  // namespace skin
