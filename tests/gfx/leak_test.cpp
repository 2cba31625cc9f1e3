#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "gfx/gfx.h"
#include "tests/gfx/canvas.h"
#include "tests/support/gdi_count.h"

namespace {

using namespace gfx;
using gfxtest::Canvas;
using support::liveGdiObjectCount;
using support::liveHeapBlockCount;

// Allowance for the heap blocks that Wine itself settles (caches filled on
// first use); a leak of one object per cycle would leave thousands.
constexpr long kHeapSlack = 16;

Bytes picturePng() {
    Bitmap b = Bitmap::create(6, 4);
    Graphics g = Graphics::fromImage(b);
    g.clear(0xFF336699);
    g.dispose();
    return b.saveToBytes(format::Png);
}

// One paint's worth of everything the library makes, then all of it goes.
void paintEverything(const Bytes& png, HFONT gdiFont) {
    Canvas canvas(64, 48);
    Graphics g = Graphics::fromHdc(canvas.dc());
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.clear(0xFFFFFFFF);

    GraphicsPath path = GraphicsPath::create();
    path.addRoundRect(2, 2, 60, 44, 20);
    SolidBrush solid = SolidBrush::create(0x80FF0000);
    g.fillPath(solid, path);
    auto linear = LinearGradientBrush::create({0, 0}, {0, 48}, 0xFFFFFFFF, 0x00FFFFFF);
    const ARGB colours[] = {0xFF000000, 0xFF00FF00, 0xFFFFFFFF};
    const float positions[] = {0, 0.5f, 1};
    linear.setPresetBlend(colours, positions);
    g.fillRectangle(linear, 0, 0, 64, 48);
    auto radial = PathGradientBrush::fromPath(path);
    radial.setCenterColour(0xFFFFFFFF);
    const ARGB surround[] = {0x00FFFFFF};
    radial.setSurroundColours(surround);
    radial.setFocusScales(0.4f, 0.4f);
    g.setClip(path, CombineMode::Replace);
    g.fillPath(radial, path);
    g.resetClip();
    Pen pen = Pen::create(0xFF000000, 2);
    Pen brushPen = Pen::fromBrush(linear, 1);
    g.drawPath(pen, path);
    g.drawLine(brushPen, 0, 0, 63, 47);
    g.drawRectangle(pen, 1, 1, 10, 10);

    Image image = Image::fromBytes(png);
    auto texture = TextureBrush::create(image, WrapMode::TileFlipX);
    g.fillRectangle(texture, 0, 40, 64, 8);
    g.drawImage(image, 0, 0, 32, 24);
    Bitmap junk = Bitmap::fromBytes(Bytes{1, 2, 3});

    Bitmap bitmap = Bitmap::fromBytes(png);
    bitmap = Bitmap::create(16, 16);  // the decoded one goes first
    {
        Graphics onBitmap = Graphics::fromImage(bitmap);
        onBitmap.clear(0xFF00FF00);
    }
    bitmap.setPixel(1, 1, 0xFF000000);
    DeleteObject(bitmap.toHbitmap(0));
    Bytes saved = bitmap.saveToBytes(format::Png);
    Image again = Image::fromBytes(saved);
    g.drawImage(again, 40, 0);

    Font font = Font::fromFamilyName("宋体", 12, FontStyleBold, Unit::Pixel);
    Font missing = Font::fromFamilyName("NoSuchFace123", 12);
    Font fromDc = Font::fromDc(canvas.dc(), gdiFont);
    FontFamily family = fromDc.family();
    std::string name = family.name();
    StringFormat format = StringFormat::create(StringFormatFlagsLineLimit);
    format.setAlignment(StringAlignment::Center);
    format.setTrimming(StringTrimming::EllipsisCharacter);
    g.drawString("音乐台盒子", font, solid, {0, 0, 64, 20}, format);
    RectF box;
    g.measureString("音乐台", fromDc, {0, 0, 0, 0}, box);

    Region region = Region::fromPath(path);
    region.combine(RectF{10, 10, 20, 20}, CombineMode::Xor);
    g.fillRegion(solid, region);
    g.setClip(region, CombineMode::Replace);

    MemoryStream stream;
    stream.fromBytes(png);
    Bytes copy = stream.toBytes();
}

TEST(GfxLeaks, CountersSeeObjectsLeftBehind) {
    int gdiBefore = liveGdiObjectCount();
    ASSERT_GT(gdiBefore, 0);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(liveGdiObjectCount(), gdiBefore + 100);
    for (HBRUSH b : brushes) DeleteObject(b);
    EXPECT_EQ(liveGdiObjectCount(), gdiBefore);

    for (int i = 0; i < 10; ++i) Pen::create(0xFF000000, 1);
    long heapBefore = static_cast<long>(liveHeapBlockCount());
    std::vector<Pen> pens;
    pens.reserve(500);
    for (int i = 0; i < 500; ++i) pens.push_back(Pen::create(0xFF000000, 1));
    EXPECT_GE(static_cast<long>(liveHeapBlockCount()) - heapBefore, 500);
    pens.clear();
    EXPECT_LE(static_cast<long>(liveHeapBlockCount()) - heapBefore, 20);
}

TEST(GfxLeaks, ThousandsOfPaintsLeaveNothing) {
    const Bytes png = picturePng();
    HFONT gdiFont = CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    for (int i = 0; i < 20; ++i) paintEverything(png, gdiFont);  // Wine's first-use caches

    int gdiBefore = liveGdiObjectCount();
    long heapBefore = static_cast<long>(liveHeapBlockCount());
    for (int i = 0; i < 2000; ++i) paintEverything(png, gdiFont);
    EXPECT_EQ(liveGdiObjectCount(), gdiBefore);
    EXPECT_LE(static_cast<long>(liveHeapBlockCount()) - heapBefore, kHeapSlack);
    DeleteObject(gdiFont);
}

}  // namespace
