#pragma once
#include <windows.h>

#include "skin/window/control_item.h"

// The items of the skinned trackbars and progress bars.
namespace skin {

// Where a trackbar's style puts its ticks; the thumb sits further across
// when the ticks are on both sides or on the top (left) side.
enum TickPlacement : int {
    kTicksTopOrLeft = 0,
    kTicksBottomOrRight = 1,
    kTicksBoth = 2,
    kNoTicks = 3,
};

struct TrackbarItem : ControlItem {
    bool vertical = false;  // TBS_VERT
    int tickPlacement = kTicksBottomOrRight;
    bool hovered = false;         // the thumb is drawn large while the pointer is over the control
    bool selectionRange = false;  // TBS_ENABLESELRANGE
};

struct ProgressItem : ControlItem {
    bool vertical = false;  // PBS_VERTICAL: the bar grows from the bottom
};

}  // namespace skin
