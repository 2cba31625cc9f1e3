#pragma once
#include <optional>
#include <string>
#include <windows.h>

#include "skin/window/skin_types.h"

namespace skin {

// Replaces the skin and recomposes every visible skinned window.  Nothing
// given (no file, no picture, no colour) only resets the accent colour when
// no accent is given.  An accent of -1 takes the new background colour.  A
// picture without a mode is placed in mirrored tiles across the top (4);
// modes 0 and 1 fade its edges into the background colour first.
void setGlobalSkin(const std::string& fileName, const Bytes& picture, std::optional<COLORREF> backgroundColour = {},
                   std::optional<LONG> accentColour = {}, std::optional<int> placementMode = {});

}  // namespace skin
