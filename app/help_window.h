#pragma once
#include <windows.h>

namespace app {

inline constexpr const char* kHelpWindowClass = "LumoHelpPicture";

bool registerHelpWindowClass(HINSTANCE instance);

// Shows the help picture window, creating it when it is not open; it has no
// owner and is not modal.  Returns the window.
HWND openHelpPicture();

// Destroys the help picture window when it is open.
void closeHelpPicture();

}  // namespace app
