#pragma once
#include <windows.h>

#include "tools/gallery/layout.h"

// The gallery is skinned as the toolbox skins its main window, so that what
// a skin author sees here is what the toolbox shows.
namespace gallery {

// The skin engine started and given the application icon, before the
// gallery window exists.
void startSkinModule();

// The window becomes a skinned window with the toolbox's window options
// (caption gloss, a bottom bar of four empty items, not resizable) and the
// sea-blue first skin; its children are handed to the control engine.
void skinGalleryWindow(HWND window);

// Sets one of the built-in skins in its placement mode and recomposes every
// skinned window.
void chooseSkin(const BuiltInSkin& skin);

// Stops the skin engine after the message loop.
void stopSkinModule();

}  // namespace gallery
