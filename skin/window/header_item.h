#pragma once
#include <string>
#include <windows.h>

#include "skin/window/control_item.h"

namespace skin {

// A skinned header control, standalone or the column header of a list view.
// Its image list is not kept here: the header does not own it (a list
// view's header shows the list view's), so a paint reads the current one.
struct HeaderItem : ControlItem {
    bool hovered = false;      // while a hot column is tracked
    int hotItem = 0;           // 1-based column under the pointer at the last mouse move, 0 none
    int drawnHotItem = 0;      // hot column of the last hover repaint
    bool buttonStyle = false;  // HDS_BUTTONS: hot and pressed columns are shaded
    int pressedItem = 0;       // 1-based column pressed with the left button, 0 none
    bool pressing = false;     // between WM_LBUTTONDOWN and WM_LBUTTONUP
    std::string fontFace;      // the header's font
    int fontStyle = 0;
    int fontSize = 0;
};

}  // namespace skin
