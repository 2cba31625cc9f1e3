#include "skin/window/picture_cache.h"

#include <deque>

#include "gfx/graphics.h"

namespace skin {

namespace {

// A window of the program shows the skin picture or its own; a few entries
// cover every window, and a skin change simply adds the new picture.
constexpr size_t kKeptPictures = 4;

std::deque<DecodedPicture>& cache() {
    // Never destroyed by itself: at exit GDI+ may already be shut down.
    static auto* pictures = new std::deque<DecodedPicture>;
    return *pictures;
}

// One tile of what a TileFlipX texture brush paints over a transparent
// strip, where a fully transparent pixel leaves the strip zero whatever its
// colour.
gfx::Bitmap argbCopy(const gfx::Bitmap& picture, bool mirrored) {
    const int pw = picture.width(), ph = picture.height();
    gfx::Bitmap copy = gfx::Bitmap::create(pw, ph, gfx::PixelFormat32bppARGB);
    if (!copy) return copy;
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) {
            const gfx::ARGB colour = picture.getPixel(x, y);
            if (colour >> 24) copy.setPixel(mirrored ? pw - 1 - x : x, y, colour);
        }
    return copy;
}

}  // namespace

DecodedPicture* decodedPicture(const Bytes& bytes) {
    if (bytes.empty()) return nullptr;
    std::deque<DecodedPicture>& pictures = cache();
    for (DecodedPicture& p : pictures)
        if (p.bytes == bytes) return &p;
    if (pictures.size() >= kKeptPictures) pictures.pop_front();
    static unsigned decodings = 0;
    DecodedPicture& added = pictures.emplace_back();
    added.serial = ++decodings;
    added.bytes = bytes;
    added.image = gfx::Image::fromBytes(bytes);
    return &added;
}

const gfx::Bitmap* mirroredTiles(DecodedPicture& picture) {
    if (!picture.tilesMade) {
        picture.tilesMade = true;
        const gfx::Bitmap source = gfx::Bitmap::fromBytes(picture.bytes);
        if (source) {
            picture.tiles[0] = argbCopy(source, false);
            picture.tiles[1] = argbCopy(source, true);
        }
    }
    return picture.tiles[0] && picture.tiles[1] ? picture.tiles : nullptr;
}

const gfx::Bitmap* stretchedLayer(DecodedPicture& picture, int w, int h) {
    if (w <= 0 || h <= 0 || !picture.image) return nullptr;
    if (picture.stretchedSize.cx != w || picture.stretchedSize.cy != h) {
        picture.stretchedSize = SIZE{w, h};
        picture.stretched = gfx::Bitmap::create(w, h, gfx::PixelFormat32bppARGB);
        if (picture.stretched) {
            gfx::Graphics g = gfx::Graphics::fromImage(picture.stretched);
            g.drawImage(picture.image, 0, 0, static_cast<float>(w), static_cast<float>(h));
        }
    }
    return picture.stretched ? &picture.stretched : nullptr;
}

void releaseDecodedPictures() { cache().clear(); }

}  // namespace skin
