#pragma once
#include <string>
#include <windows.h>

// Screenshots of the gallery as the screen shows it.
namespace gallery {

// Pumps the thread's messages until the window and its children have painted
// everything that was due and nothing has happened for a few idle waits (a
// few seconds at most).
void settle(HWND window);

// The window's rectangle of the screen, saved as a PNG file (the name in the
// system code page).  False when it cannot be read or written.
bool saveScreenshot(HWND window, const std::string& path);

}  // namespace gallery
