#pragma once
#include <windows.h>

namespace app {

// The application icon ("DEFAULT_ICON") at the system's large and small icon
// sizes.  Both are loaded once and kept for the life of the process: the
// window classes and every window of the program share them.
struct ApplicationIcons {
    HICON largeIcon = nullptr;  // SM_CXICON x SM_CYICON: task switcher, taskbar
    HICON smallIcon = nullptr;  // SM_CXSMICON x SM_CYSMICON: taskbar button, window menu
};
const ApplicationIcons& applicationIcons();

// Gives a top-level window the application icon, large and small, so that
// the taskbar and the task switcher show it rather than a generic one.
void giveApplicationIcon(HWND window);

}  // namespace app
