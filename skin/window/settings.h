#pragma once
#include <optional>
#include <windows.h>

#include "skin/window/skin_types.h"

namespace skin {

inline constexpr COLORREF kDefaultAccent = 0xDDCA22;

// The engine-wide settings: the skin (background colour and picture, the
// picture's placement mode, the accent colour) and the switches that apply
// to every skinned window.
struct SkinSettings {
    COLORREF accentColour = kDefaultAccent;
    COLORREF backgroundColour = 0;
    Bytes backgroundPicture;
    int placementMode = 0;
    int frameInset = 0;  // 3 once a window has been skinned
    int controlSkinning = 1;
    int veilAlpha = 160;
    int transparentLists = 0;
    int trackbarPanel = 1;
    int hoverOutline = 1;
    HICON applicationIcon = nullptr;
    ULONG_PTR graphicsToken = 0;
    int hoveredCaptionButton = 0;
};

// Placement modes of a background picture.
enum PlacementMode : int {
    kPlaceTopLeft = 0,
    kPlaceTopRight = 1,
    kPlaceCentred = 2,
    kPlaceStretched = 3,
    kPlaceMirroredTiles = 4,
};

SkinSettings& settings();

// The application's choices for the control engine: the control-skinning
// switch, the veil alpha over list-like controls (160 when not given) and the
// trackbar panel (on when not given).  Giving a veil alpha is what turns the
// transparent lists, and the colour answers to the controls, on.
void setSkinOptions(int controlSkinning, std::optional<int> veilAlpha = std::nullopt,
                    std::optional<int> trackbarPanel = std::nullopt);

// Back to the initial values (start-up, and tests).
void resetSettings();

}  // namespace skin
