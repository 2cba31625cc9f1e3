#pragma once
#include <windows.h>

#include "gfx/image.h"
#include "skin/window/skin_types.h"

// Background pictures decoded once and kept while they are in use: every
// compose of every window draws the skin picture (or the window's own), and
// decoding it again each time costs more than drawing it.
namespace skin {

struct DecodedPicture {
    Bytes bytes;
    // Tells this decoding apart from every earlier one, also one whose
    // storage this one reuses.
    unsigned serial = 0;
    gfx::Image image;  // empty when the bytes do not decode
    // The two tiles of the mirrored placement, made on first use: the
    // picture as 32-bit ARGB as it is and mirrored left to right.
    bool tilesMade = false;
    gfx::Bitmap tiles[2];
    // The picture stretched over a client area of one size, as the
    // stretched placement draws it; made again for another size.
    SIZE stretchedSize{0, 0};
    gfx::Bitmap stretched;
};

// The decoded picture of these bytes; null for no bytes.  The pointer stays
// valid until another picture is decoded or the cache is released.
DecodedPicture* decodedPicture(const Bytes& bytes);

// The plain and the mirrored tile of a decoded picture, or null when it has
// no pixels to copy (a picture that is no bitmap, a metafile say).
const gfx::Bitmap* mirroredTiles(DecodedPicture& picture);

// The picture stretched to w x h on a transparent layer, made on first use
// for that size; null when it cannot be made.  Drawn at its own size it gives
// the pixels the picture stretched straight onto a surface gives, in a small
// part of the time: the graphics library resamples a stretched picture in
// software, pixel by pixel.
const gfx::Bitmap* stretchedLayer(DecodedPicture& picture, int w, int h);

// Frees every decoded picture (before GDI+ is shut down).
void releaseDecodedPictures();

}  // namespace skin
