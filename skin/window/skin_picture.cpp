#include "skin/window/skin_picture.h"

#include <cmath>
#include <random>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "skin/window/colour.h"
#include "skin/window/picture_cache.h"

namespace skin {

namespace {

gfx::Bitmap loadBitmap(const PictureSource& picture) {
    if (!picture.fileName.empty()) return gfx::Bitmap::fromFile(picture.fileName);
    if (picture.bytes && !picture.bytes->empty()) return gfx::Bitmap::fromBytes(*picture.bytes);
    return {};
}

}  // namespace

COLORREF averageColour(const PictureSource& picture, int samples, int marginX, int marginY) {
    gfx::Bitmap own;
    const gfx::Image* decoded = &own;
    const bool cached = picture.shown && picture.fileName.empty() && picture.bytes;
    if (const DecodedPicture* p = cached ? decodedPicture(*picture.bytes) : nullptr) decoded = &p->image;
    else own = loadBitmap(picture);
    const gfx::Image& bitmap = *decoded;
    const int w = bitmap ? bitmap.width() : 0, h = bitmap ? bitmap.height() : 0;
    // A picture without pixels has no colour to average: black, as for one
    // that does not decode.
    if (w <= 0 || h <= 0 || samples <= 0) return RGB(0, 0, 0);

    const int x0 = marginX >= 1 ? std::max(0, w - marginX) : 0;
    const int y0 = marginY >= 1 ? std::max(0, h - marginY) : 0;
    std::mt19937 random(0x5EED);
    std::uniform_int_distribution<int> xs(x0, w - 1), ys(y0, h - 1);
    double red = 0, green = 0, blue = 0;
    for (int i = 0; i < samples; ++i) {
        COLORREF c = toColorref(bitmap.pixel(xs(random), ys(random)));
        red += GetRValue(c);
        green += GetGValue(c);
        blue += GetBValue(c);
    }
    auto mean = [samples](double sum) { return static_cast<BYTE>(std::lround(sum / samples)); };
    return RGB(mean(red), mean(green), mean(blue));
}

Bytes fadePictureEdges(const PictureSource& picture, std::optional<int> fadeWidth, COLORREF colour, FadeSide side) {
    gfx::Bitmap source = loadBitmap(picture);
    const int w = source ? source.width() : 0, h = source ? source.height() : 0;
    gfx::Bitmap canvas = gfx::Bitmap::create(w, h, gfx::PixelFormat32bppARGB);
    {
        gfx::Graphics g = gfx::Graphics::fromImage(canvas);
        g.setCompositingQuality(gfx::CompositingQuality::GammaCorrected);
        if (source) g.drawImage(source, 0, 0, static_cast<float>(w), static_cast<float>(h));

        const float f = static_cast<float>(fadeWidth.value_or(static_cast<int>(std::floor(w * 0.3))));
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        if (side == FadeSide::Left) {
            auto brush = gfx::LinearGradientBrush::create({0, 0}, {f, 0}, toArgb(colour), toArgb(0xFFFFFF, 0));
            g.fillRectangle(brush, 0, 0, f, fh);
        } else {
            auto brush = gfx::LinearGradientBrush::create({fw - f, 0}, {fw, 0}, toArgb(0xFFFFFF, 0), toArgb(colour));
            g.fillRectangle(brush, fw - f + 1, 0, f, fh);
        }
        auto bottom = gfx::LinearGradientBrush::create({0, fh - f}, {0, fh}, toArgb(colour, 0), toArgb(colour));
        g.fillRectangle(bottom, 0, fh - f + 1, fw, f);
    }
    return canvas.saveToBytes(gfx::format::Png);
}

}  // namespace skin
