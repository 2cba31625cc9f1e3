#pragma once
#include <windows.h>

namespace app {

inline constexpr const char* kMainWindowClass = "LumoBoxWindow";

bool registerMainWindowClass(HINSTANCE instance);

// Creates the main window, centred and not yet shown, with every control of
// the layout; page "首页" is the one showing.
HWND createMainWindow(HINSTANCE instance);

// Shows the controls of one tab page (1..4) and hides those of the others.
void showPage(HWND mainWindow, int page);

// The colour of the editor's text: the skin draws it from the editor's
// text colour, the system's look (without the control skin) from the
// window's own answer to the editor's colour message.
void setEditorTextColour(HWND mainWindow, COLORREF colour);

// The hidden skin menu "换肤": never in a menu bar, only ever popped up.
HMENU skinMenu(HWND mainWindow);

}  // namespace app
