#pragma once
#include <windows.h>

namespace skin {

// The window procedure of every skinned top-level window.
LRESULT CALLBACK skinnedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// What the application wants done each time it loses activation (the skin
// engine itself knows nothing of it).
void setDeactivationHandler(void (*handler)());

// Takes the skin off a window that is being destroyed: its surfaces and
// caches, its procedure, its record; later windows and their controls get
// their new indices.
void releaseWindowSkin(HWND window);

// Answers WM_MEASUREITEM for an owner-drawn menu of the menu table; menus the
// table does not know are left alone.
void measureMenuItem(MEASUREITEMSTRUCT* item);

}  // namespace skin
