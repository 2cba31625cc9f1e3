#include "skin/controls/containers.h"

namespace skin {

void markContainerForRedraw(HWND /*control*/) {}

}  // namespace skin
