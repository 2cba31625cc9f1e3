#pragma once
#include <windows.h>

#include "skin/window/control_item.h"
#include "skin/window/scroll_parts.h"

// The items of the skinned edits and combo boxes.
namespace skin {

struct EditItem : ControlItem {
    bool focused = false;  // between WM_SETFOCUS and WM_KILLFOCUS
    bool pressed = false;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
    // The brush handed out last was made by this paint's erase from the
    // same veiled backdrop, so the colour answer of the same paint reuses it.
    bool brushFresh = false;
    ScrollCovers covers;  // none for the edit field of a combo box

    // The edit and its covers: removing a window record rewrites the window
    // index on all of them.
    template <class F>
    void forEachWindow(F&& f) const {
        ControlItem::forEachWindow(f);
        covers.forEachWindow(f);
    }
};

struct ComboItem : ControlItem {
    bool focused = false;
};

}  // namespace skin
