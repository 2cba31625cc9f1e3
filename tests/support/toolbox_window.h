#pragma once
// The running toolbox's main window as a second process sees it: the skin it
// shows where only the skin paints, its pop-up menu, and when it has caught
// up with what was sent to it.  Shared by the end-to-end tests and the soak.
#include <windows.h>

namespace toolbox {

inline constexpr COLORREF kSeaBlue = RGB(113, 179, 193);
inline constexpr COLORREF kGolden = RGB(223, 199, 112);

POINT toScreen(HWND main, int clientX, int clientY);
COLORREF clientPixel(HWND main, int clientX, int clientY);
// Both points of the main window that only the skin paints (the frame
// between the tab control and the window's edge) show the colour.
bool skinShows(HWND main, COLORREF colour, int tolerance = 12);
bool skinIsNearBlack(HWND main);
bool waitForSkin(HWND main, COLORREF colour);
// Returns once the program has handled what was sent to it and has nothing
// left to paint in the main window.
void settle(HWND main);
// The visible pop-up menu of the process; 0 when none is open.
HWND openMenu(DWORD processId);

}  // namespace toolbox
