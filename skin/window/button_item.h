#pragma once
#include <string>

#include "skin/window/control_item.h"

namespace skin {

// What a skinned button is drawn as; it never changes after registration.
enum ButtonKind : int {
    kPushButton = 0,
    kRadioButton = 4,
    kCheckBox = 5,
};

// A skinned push button, check box or automatic radio button.
struct ButtonItem : ControlItem {
    int kind = kPushButton;
    std::string caption;   // GBK, as last set
    bool focused = false;  // between WM_SETFOCUS and WM_KILLFOCUS
    std::string fontFace;
    int fontSize = 0;      // em size
    int fontStyle = 0;     // graphics library style bits
    bool pressed = false;  // between WM_LBUTTONDOWN and the release or loss of the mouse
};

}  // namespace skin
