#pragma once
#include <windows.h>

// Toolbars with child windows are skinned as containers whose children are
// skinned in turn; a container redraws itself from scratch when one of its
// children moves.
namespace skin {

// What every skin procedure does on WM_WINDOWPOSCHANGING: when the control's
// parent is a registered container of its window, that container is marked
// for a full redraw.  No family registers containers yet, so nothing is
// marked until the toolbar family does.
void markContainerForRedraw(HWND control);

}  // namespace skin
