#pragma once
#include <optional>
#include <string>
#include <windows.h>

#include "skin/window/skin_types.h"

// Preparing pictures for the skin.
namespace skin {

// A picture given either by file name (wins when not empty) or as bytes.
struct PictureSource {
    std::string fileName;
    const Bytes* bytes = nullptr;
    // The bytes are shown as they are: they are read from the picture cache,
    // whose decoding the compose that shows them draws next.
    bool shown = false;
};

// The mean colour of n pixels sampled at random, limited to the last mx
// columns and my rows when those margins are at least 1.  Black for a picture
// that does not decode or has no pixels.
COLORREF averageColour(const PictureSource& picture, int samples = 2000, int marginX = 0, int marginY = 0);

enum class FadeSide { Left, Right };

// A PNG copy of the picture whose bottom edge and one side blend into the
// colour over the fade width (default 30% of the picture's width).
Bytes fadePictureEdges(const PictureSource& picture, std::optional<int> fadeWidth, COLORREF colour, FadeSide side);

}  // namespace skin
