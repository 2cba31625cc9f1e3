#include "skin/window/settings.h"

namespace skin {

namespace {
SkinSettings current;
}

SkinSettings& settings() { return current; }

void setSkinOptions(int controlSkinning, std::optional<int> veilAlpha, std::optional<int> trackbarPanel) {
    current.controlSkinning = controlSkinning;
    current.veilAlpha = veilAlpha.value_or(160);
    current.transparentLists = veilAlpha ? 1 : 0;
    current.trackbarPanel = trackbarPanel.value_or(1);
}

void resetSettings() { current = SkinSettings{}; }

}  // namespace skin
