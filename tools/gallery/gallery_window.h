#pragma once
#include <windows.h>

#include "tools/gallery/command_line.h"

namespace gallery {

bool registerGalleryClass(HINSTANCE instance);

// Creates the gallery window, centred and not yet shown, with every control
// of the layout filled; it is not skinned yet.  When it ends the message
// loop, destroying it posts WM_QUIT.
HWND createGalleryWindow(HINSTANCE instance, bool endsMessageLoop = false);

// The whole life of the gallery: the skin module, the skinned window, then
// either the message loop or the screenshots the request asks for.  Returns
// the process's exit code: 0, or 1 when a screenshot could not be saved.
int runGallery(HINSTANCE instance, const Request& request);

}  // namespace gallery
