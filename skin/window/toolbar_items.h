#pragma once
#include <string>
#include <windows.h>

#include "skin/window/control_item.h"

// The items of the skinned toolbars and of the toolbar containers.
namespace skin {

struct ToolbarItem : ControlItem {
    COLORREF keyColour = 0;  // the system's face colour at registration
    std::string fontFace;
    int fontSize = 12;          // em size
    int fontStyle = 0;          // graphics library style bits
    bool dirty = false;         // painted afresh at the next paint, not copied from the composition cache
    bool mouseTracked = false;  // between the first mouse move and the leave
    int option = 0;
};

// What a container draws itself: mode 0, nothing (a toolbar, which paints
// its own face).
enum ContainerMode : int {
    kContainerDrawsNothing = 0,
};

// A window whose children are skinned like the skinned window's own.
struct ContainerItem : ControlItem {
    int option = 0;
    int alpha = 255;
    COLORREF colour = 0;
    bool dirty = false;                     // its background must be composed again
    bool recompose = false;                 // one of its children moved
    int clientWidth = 0, clientHeight = 0;  // at registration
    int kind = 0;                           // 0: a toolbar
    int mode = kContainerDrawsNothing;
};

}  // namespace skin
