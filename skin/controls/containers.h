#pragma once
#include <optional>
#include <windows.h>

#include "skin/window/window_record.h"

// Toolbars with child windows are skinned as containers: their children are
// skinned with the same dispatch as the skinned window's own, and a
// procedure in front of the toolbar's gives them the colour, owner-draw and
// notification handling that a skinned window gives its children.  A
// container redraws itself from scratch when one of its children moves.
namespace skin {

// Registers a container of the skinned window that holds it, once: its item
// (mode, option, alpha, colour, client size), its children skinned, its
// procedure installed in front of the one it had.
void registerContainer(HWND container, int mode, int option, std::optional<int> alpha, std::optional<COLORREF> colour);

LRESULT CALLBACK containerSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// What every skin procedure does on WM_WINDOWPOSCHANGING: when the control's
// parent is a registered container of its window, that container is marked
// for a full redraw.
void markContainerForRedraw(HWND control);

// Takes the item at a slot out of a container list, moving the later items
// down and telling each remaining container its new slot ("Hw_lbID").  The
// list keeps one empty item when its last container goes.
void removeContainerItem(ControlList<ContainerItem>& list, int slot);

}  // namespace skin
