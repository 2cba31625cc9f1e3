#pragma once
#include <windows.h>

#include "app/app_icon.h"

namespace app {

// A window class of the executable: arrow cursor, no extra bytes.  The
// classes of top-level windows carry the application icon in both sizes.
struct WindowClass {
    const char* name;
    WNDPROC procedure;
    UINT style = 0;
    bool applicationIcon = false;
    HBRUSH background = nullptr;
};

// True when the class is registered now, also when it was already.
inline bool registerWindowClass(HINSTANCE instance, const WindowClass& c) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = c.style;
    wc.lpfnWndProc = c.procedure;
    wc.hInstance = instance;
    if (c.applicationIcon) {
        wc.hIcon = applicationIcons().largeIcon;
        wc.hIconSm = applicationIcons().smallIcon;
    }
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = c.background;
    wc.lpszClassName = c.name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace app
