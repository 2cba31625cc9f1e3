#pragma once
#include <windows.h>

#include "skin/window/control_item.h"

namespace skin {

// A skinned up-down control.
struct UpDownItem : ControlItem {
    bool hovered = false;     // from the first mouse move until the pointer leaves
    int lastHotHalf = 0;      // half under the pointer at the last mouse move: 0 first, 1 second
    bool pressed = false;     // between WM_LBUTTONDOWN and WM_LBUTTONUP
    bool horizontal = false;  // UDS_HORZ
    LPARAM lastPoint = 0;     // client point of the last press or release, as the message carried it
};

}  // namespace skin
