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
    gfx::Image image;  // empty when the bytes do not decode
    // The two tiles of the mirrored placement, made on first use: the
    // picture as 32-bit ARGB as it is and mirrored left to right.
    bool tilesMade = false;
    gfx::Bitmap tiles[2];
};

// The decoded picture of these bytes; null for no bytes.  The pointer stays
// valid until another picture is decoded or the cache is released.
DecodedPicture* decodedPicture(const Bytes& bytes);

// The plain and the mirrored tile of a decoded picture, or null when it has
// no pixels to copy (a picture that is no bitmap, a metafile say).
const gfx::Bitmap* mirroredTiles(DecodedPicture& picture);

// Frees every decoded picture (before GDI+ is shut down).
void releaseDecodedPictures();

}  // namespace skin
