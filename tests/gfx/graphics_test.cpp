#include <gtest/gtest.h>

#include <windows.h>

#include "gfx/gfx.h"
#include "tests/gfx/canvas.h"

namespace {

using namespace gfx;
using gfxtest::Canvas;
using gfxtest::channel;
using gfxtest::nearRgb;

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kGreen = 0xFF00FF00;
constexpr ARGB kBlue = 0xFF0000FF;

TEST(GfxGraphics, DrawsIntoDeviceContextsAndBitmaps) {
    Canvas canvas(40, 30);
    Graphics g = Graphics::fromHdc(canvas.dc());
    ASSERT_TRUE(g.clear(kWhite));
    SolidBrush red = SolidBrush::create(kRed);
    EXPECT_TRUE(g.fillRectangle(red, 10, 5, 20, 10));
    EXPECT_EQ(canvas.count(kRed, 0, 0, 40, 30), 200);
    EXPECT_EQ(canvas.count(kRed, 10, 5, 30, 15), 200);
    Pen pen = Pen::create(kBlue, 3.0f);
    EXPECT_TRUE(g.drawLine(pen, 0, 25, 40, 25));
    EXPECT_EQ(canvas.count(kBlue, 0, 20, 40, 30), 3 * 40);

    Bitmap b = Bitmap::create(10, 10);
    Graphics onBitmap = Graphics::fromImage(b);
    onBitmap.clear(0x80102030);
    onBitmap.fillEllipse(red, 0, 0, 10, 10);
    onBitmap.dispose();
    EXPECT_EQ(b.getPixel(0, 0), 0x80102030u);
    EXPECT_EQ(b.getPixel(5, 5), kRed);

    EXPECT_FALSE(Graphics::fromHdc(nullptr));
    EXPECT_FALSE(Graphics::fromImage(b = Bitmap()));
}

TEST(GfxGraphics, LastStatusFollowsTheLatestCall) {
    Canvas canvas(4, 4);
    Graphics g = Graphics::fromHdc(canvas.dc());
    EXPECT_FALSE(g.fillRectangle(SolidBrush(), 0, 0, 2, 2));
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
    EXPECT_TRUE(g.setSmoothingMode(SmoothingMode::AntiAlias));
    EXPECT_EQ(lastStatus(), Status::Ok);
    EXPECT_EQ(Pen().width(), 0.0f);  // a query that fails gives 0
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
    EXPECT_EQ(g.smoothingMode(), SmoothingMode::AntiAlias);
    EXPECT_EQ(lastStatus(), Status::Ok);
}

TEST(GfxPath, FourArcsMakeARoundedRectangle) {
    Canvas canvas(100, 80);
    canvas.fill(kWhite);
    Graphics g = Graphics::fromHdc(canvas.dc());
    GraphicsPath path = GraphicsPath::create();
    ASSERT_TRUE(path.addRoundRect(10, 10, 80, 60, 25));  // corners 20 x 15
    EXPECT_EQ(path.pointCount(), 4 * 4);                 // one Bezier per quarter
    SolidBrush blue = SolidBrush::create(kBlue);
    ASSERT_TRUE(g.fillPath(blue, path));
    for (auto [x, y] : {std::pair{50, 40}, std::pair{50, 11}, std::pair{50, 68}, std::pair{11, 40}, std::pair{88, 40}})
        EXPECT_EQ(canvas.pixel(x, y), kBlue) << x << "," << y;  // centre and the middle of each edge
    for (auto [x, y] : {std::pair{11, 11}, std::pair{88, 11}, std::pair{88, 68}, std::pair{11, 68}})
        EXPECT_EQ(canvas.pixel(x, y), kWhite) << x << "," << y;  // rounded corners
    EXPECT_EQ(canvas.count(kBlue, 0, 0, 100, 80), canvas.count(kBlue, 10, 10, 90, 70));

    // Roundness is a percentage clamped to 1..100.
    GraphicsPath square = GraphicsPath::create();
    square.addRoundRect(0, 0, 100, 100, 0);
    EXPECT_TRUE(square.contains(2, 2));
    GraphicsPath ellipse = GraphicsPath::create();
    ellipse.addRoundRect(0, 0, 100, 100, 250);
    EXPECT_FALSE(ellipse.contains(10, 10));
    EXPECT_TRUE(ellipse.contains(50, 2));
    EXPECT_FALSE(GraphicsPath().addRoundRect(0, 0, 10, 10, 20));
}

TEST(GfxBrush, LinearGradientRunsBetweenItsColours) {
    Canvas canvas(101, 2);
    Graphics g = Graphics::fromHdc(canvas.dc());
    auto brush = LinearGradientBrush::create({0, 0}, {100, 0}, kRed, kBlue);
    g.fillRectangle(brush, 0, 0, 101, 2);
    EXPECT_TRUE(nearRgb(canvas.pixel(0, 1), kRed, 8));
    EXPECT_TRUE(nearRgb(canvas.pixel(50, 1), 0xFF800080, 12));
    EXPECT_TRUE(nearRgb(canvas.pixel(99, 1), kBlue, 8));

    const ARGB colours[] = {kRed, kGreen, kBlue};
    const float positions[] = {0.0f, 0.5f, 1.0f};
    ASSERT_TRUE(brush.setPresetBlend(colours, positions));
    g.fillRectangle(brush, 0, 0, 101, 2);
    EXPECT_TRUE(nearRgb(canvas.pixel(50, 1), kGreen, 12));
    // One position short: refused before GDI+ reads past the list.
    const float tooFew[] = {0.0f, 1.0f};
    EXPECT_FALSE(brush.setPresetBlend(colours, tooFew));
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
}

TEST(GfxBrush, PathGradientFromCentreToSurround) {
    Canvas canvas(60, 60);
    canvas.fill(kWhite);
    Graphics g = Graphics::fromHdc(canvas.dc());
    GraphicsPath disc = GraphicsPath::create();
    disc.addEllipse(0, 0, 60, 60);
    auto brush = PathGradientBrush::fromPath(disc);
    ASSERT_TRUE(brush.setCenterColour(kGreen));
    const ARGB surround[] = {kBlue};
    ASSERT_TRUE(brush.setSurroundColours(surround));
    EXPECT_TRUE(brush.setFocusScales(0.4f, 0.4f));  // kept, though Wine does not draw it
    g.fillPath(brush, disc);
    EXPECT_TRUE(nearRgb(canvas.pixel(30, 30), kGreen, 40));
    ARGB rim = canvas.pixel(30, 2);
    EXPECT_GT(channel(rim, 0), channel(rim, 8));  // blue outweighs green at the edge
    EXPECT_EQ(canvas.pixel(1, 1), kWhite);

    EXPECT_FALSE(brush.setSurroundColours(surround, 2));  // more than the list holds
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
}

TEST(GfxBrush, TextureTilesAndMirrorsThePicture) {
    Bitmap tile = Bitmap::create(2, 1);
    tile.setPixel(0, 0, kRed);
    tile.setPixel(1, 0, kBlue);
    auto plain = TextureBrush::create(tile);
    auto mirrored = TextureBrush::create(tile, WrapMode::TileFlipX);
    tile.dispose();  // each brush keeps its own copy
    Canvas canvas(8, 2);
    Graphics g = Graphics::fromHdc(canvas.dc());
    g.fillRectangle(plain, 0, 0, 8, 1);
    g.fillRectangle(mirrored, 0, 1, 8, 1);
    const ARGB expectPlain[] = {kRed, kBlue, kRed, kBlue, kRed, kBlue, kRed, kBlue};
    const ARGB expectMirrored[] = {kRed, kBlue, kBlue, kRed, kRed, kBlue, kBlue, kRed};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(canvas.pixel(x, 0), expectPlain[x]) << x;
        EXPECT_EQ(canvas.pixel(x, 1), expectMirrored[x]) << x;
    }
}

TEST(GfxGraphics, ClipsToPathsRingsAndRegions) {
    Canvas canvas(40, 40);
    Graphics g = Graphics::fromHdc(canvas.dc());
    SolidBrush red = SolidBrush::create(kRed);
    canvas.fill(kWhite);
    GraphicsPath disc = GraphicsPath::create();
    disc.addEllipse(10, 10, 20, 20);
    ASSERT_TRUE(g.setClip(disc, CombineMode::Replace));
    g.fillRectangle(red, 0, 0, 40, 40);
    EXPECT_EQ(canvas.pixel(20, 20), kRed);
    EXPECT_EQ(canvas.pixel(11, 11), kWhite);

    // The ring between a rectangle and an inner one, as the edit frames clip.
    canvas.fill(kWhite);
    ASSERT_TRUE(g.setClip(0, 0, 40, 40, CombineMode::Replace));
    ASSERT_TRUE(g.setClip(4, 4, 32, 32, CombineMode::Xor));
    g.fillRectangle(red, 0, 0, 40, 40);
    EXPECT_EQ(canvas.count(kRed, 0, 0, 40, 40), 40 * 40 - 32 * 32);
    ASSERT_TRUE(g.resetClip());

    Region r = Region::fromRect({0, 0, 20, 20});
    EXPECT_TRUE(r.combine(RectF{10, 10, 20, 20}, CombineMode::Union));
    EXPECT_TRUE(r.combine(disc, CombineMode::Exclude));
    EXPECT_TRUE(r.combine(RectF{0, 0, 40, 25}));  // intersect when no mode is given
    EXPECT_TRUE(r.contains(2, 2));
    EXPECT_TRUE(r.contains(28, 12));
    EXPECT_FALSE(r.contains(20, 20));
    EXPECT_FALSE(r.contains(12, 28));
    RectF b = r.bounds(g);
    EXPECT_FLOAT_EQ(b.width, 30);
    EXPECT_FLOAT_EQ(b.height, 25);
    canvas.fill(kWhite);
    EXPECT_TRUE(g.fillRegion(red, r));
    EXPECT_EQ(canvas.pixel(2, 2), kRed);
    EXPECT_EQ(canvas.pixel(20, 20), kWhite);

    Region all = Region::create();
    EXPECT_TRUE(all.combine(r));
    EXPECT_TRUE(g.setClip(all, CombineMode::Replace));
    canvas.fill(kWhite);
    g.clear(kRed);
    EXPECT_EQ(canvas.count(kRed, 0, 0, 40, 40), canvas.count(kRed, 0, 0, 30, 25));
    EXPECT_EQ(canvas.pixel(28, 12), kRed);
    EXPECT_TRUE(all.combine(RectF{50, 50, 5, 5}));
    EXPECT_TRUE(all.isEmpty(g));
}

TEST(GfxGraphics, DrawsWholeOrPartOfAPictureStretched) {
    // Quadrants of 5 x 5: red, green / blue, white.
    Bitmap quad = Bitmap::create(10, 10);
    {
        Graphics q = Graphics::fromImage(quad);
        const ARGB colours[] = {kRed, kGreen, kBlue, kWhite};
        for (int i = 0; i < 4; ++i) q.fillRectangle(SolidBrush::create(colours[i]), i % 2 * 5.0f, i / 2 * 5.0f, 5, 5);
    }
    Canvas canvas(80, 40);
    canvas.fill(0xFF000000);
    Graphics g = Graphics::fromHdc(canvas.dc());
    ASSERT_TRUE(g.drawImage(quad, 0, 0, 20, 20));
    EXPECT_TRUE(nearRgb(canvas.pixel(4, 4), kRed, 8));  // the quadrants' interiors
    EXPECT_TRUE(nearRgb(canvas.pixel(15, 4), kGreen, 8));
    EXPECT_TRUE(nearRgb(canvas.pixel(4, 15), kBlue, 8));
    EXPECT_TRUE(nearRgb(canvas.pixel(15, 15), kWhite, 8));
    EXPECT_EQ(canvas.count(0xFF000000, 21, 0, 40, 40), 19 * 40);

    // Only the right column of quadrants, over 40 x 40.
    ASSERT_TRUE(g.drawImage(quad, RectF{40, 0, 40, 40}, RectF{5, 0, 5, 10}));
    EXPECT_TRUE(nearRgb(canvas.pixel(60, 8), kGreen, 8));
    EXPECT_TRUE(nearRgb(canvas.pixel(60, 30), kWhite, 8));
    EXPECT_EQ(canvas.count(kRed, 40, 0, 80, 40, 60), 0);
}

}  // namespace
