#pragma once
#include <windows.h>

namespace app {

// A window class of the executable: arrow cursor, no extra bytes.
struct WindowClass {
    const char* name;
    WNDPROC procedure;
    UINT style = 0;
    HICON icon = nullptr;
    HBRUSH background = nullptr;
};

// True when the class is registered now, also when it was already.
inline bool registerWindowClass(HINSTANCE instance, const WindowClass& c) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = c.style;
    wc.lpfnWndProc = c.procedure;
    wc.hInstance = instance;
    wc.hIcon = c.icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = c.background;
    wc.lpszClassName = c.name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace app
