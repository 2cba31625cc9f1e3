#pragma once
#include <windows.h>

// Starting and stopping the skin engines as a whole, for the application.
namespace skin {

// GDI+ started, the engine-wide settings at their initial values, empty
// tables.  Returns GDI+'s start-up status (0 when it started).
int startSkinEngine();

// The icon drawn at the left of every skinned caption.
void setApplicationIcon(HICON icon);

// Frees the window records, the menu table, the decoded glyphs and every
// registered memory context, then shuts GDI+ down.  The one place GDI+ is
// shut down; a second call does nothing.
void stopSkinEngine();

}  // namespace skin
