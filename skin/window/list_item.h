#pragma once
#include <windows.h>

#include "skin/window/control_item.h"
#include "skin/window/scroll_parts.h"

// The item of a skinned list-like control: list boxes, the drop list of a
// simple combo box, list views, tree views, IP address and date-time pickers.
namespace skin {

struct ListItem : ControlItem {
    bool focused = false;       // between WM_SETFOCUS and WM_KILLFOCUS
    bool hovered = false;       // the frame is drawn in its hover look
    bool arrowKeyDown = false;  // from an arrow key's WM_KEYDOWN to the next WM_KEYUP
    ScrollCovers covers;        // list boxes, list views and tree views; none for the others
    bool dirty = true;          // the client area is composed again before it is shown
    bool mouseTracked = false;  // from WM_MOUSEHOVER until WM_MOUSELEAVE

    // The control and its covers: removing a window record rewrites the
    // window index on all of them.
    template <class F>
    void forEachWindow(F&& f) const {
        ControlItem::forEachWindow(f);
        covers.forEachWindow(f);
    }
};

}  // namespace skin
