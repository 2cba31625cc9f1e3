#include "skin/window/settings.h"

namespace skin {

namespace {
SkinSettings current;
}

SkinSettings& settings() { return current; }

void resetSettings() { current = SkinSettings{}; }

}  // namespace skin
