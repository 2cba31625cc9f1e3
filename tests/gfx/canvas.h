#pragma once
// What the graphics tests draw on and read back: a 32-bit DIB section in a
// memory device context, and colour comparison with a tolerance (Wine's GDI+
// rounds gradients and blends a little differently from Windows).
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "gfx/types.h"

namespace gfxtest {

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // 0xAARRGGBB, rows from the top.
    gfx::ARGB pixel(int x, int y) const;
    void fill(gfx::ARGB colour);
    // Pixels of the rectangle whose colour is within tolerance of colour.
    int count(gfx::ARGB colour, int left, int top, int right, int bottom, int tolerance = 0) const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// Source-over of an ARGB colour over an opaque backdrop, as 0xFFRRGGBB.
inline gfx::ARGB over(gfx::ARGB colour, gfx::ARGB backdrop) {
    const int a = static_cast<int>(colour >> 24);
    gfx::ARGB out = 0xFF000000;
    for (int shift : {16, 8, 0}) {
        const int c = static_cast<int>((colour >> shift) & 0xFF), b = static_cast<int>((backdrop >> shift) & 0xFF);
        out |= static_cast<gfx::ARGB>((c * a + b * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

inline int channel(gfx::ARGB c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Red, green and blue each within tolerance; alpha is not compared.
inline bool nearRgb(gfx::ARGB a, gfx::ARGB b, int tolerance) {
    for (int shift : {16, 8, 0})
        if (std::abs(channel(a, shift) - channel(b, shift)) > tolerance) return false;
    return true;
}

}  // namespace gfxtest
