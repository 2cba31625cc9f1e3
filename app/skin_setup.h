#pragma once
#include <windows.h>

// Connecting the toolbox to the skin engines: the skin module set-up before
// the main window exists, the main window's skin once it does, and the
// exit routine.
namespace app {

// GdiplusStartup (version 1, no debug callback); keeps the token for the
// engine and returns the status (0 when GDI+ started).
int startGraphics();

// Registers the class of the skin module's shadow windows, "yinyWindow".
bool registerShadowWindowClass();

// Starts GDI+, loads the application icon, sets the engine-wide settings to
// their initial values and registers the shadow window class.
void initSkinModule();

// The main window becomes a skinned window with the sea-blue skin: options
// for the controls, the window's skin with its bottom bar, the close effect,
// the bar text style and the first skin.  The program's trimming tool runs
// whenever the program loses activation.
void setUpMainWindowSkin(HWND mainWindow);

// Frees the engines' tables and shuts GDI+ down (after the message loop).
void exitSkinModule();

}  // namespace app
