#pragma once
#include <windows.h>

// What a skinned window or container does with WM_DRAWITEM: the owner-drawn
// item goes to the painter of its control type.
namespace skin {

// Paints an owner-drawn item of the window with that index, from a copy of
// the system's structure.  Push buttons of the window's button list are
// painted; check boxes and radio buttons paint themselves; an item whose
// slot is out of the list or holds another window is left alone, and so are
// menus and every other control type.
void dispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& item);

// The 1-based position of the menu in the menu table, or 0.
int findMenuEntry(HMENU menu);

}  // namespace skin
