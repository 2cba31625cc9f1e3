#pragma once
#include <windows.h>

// Connecting the toolbox to the skin engines: the skin module set-up before
// the main window exists, the main window's skin once it does, and the
// exit routine.
namespace app {

// Registers the class of the skin module's shadow windows, "yinyWindow",
// with the application icon.
bool registerShadowWindowClass(HICON icon);

// Starts the skin engine (GDI+, the engine-wide settings at their initial
// values), gives it the application icon and registers the shadow window
// class.
void initSkinModule();

// The main window becomes a skinned window with the sea-blue skin: options
// for the controls, the window's skin with its bottom bar, the close effect,
// the bar text style and the first skin.  The program's trimming tool runs
// whenever the program loses activation.
void setUpMainWindowSkin(HWND mainWindow);

// Stops the skin engine after the message loop: its tables go and GDI+ is
// shut down.
void exitSkinModule();

}  // namespace app
