#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "gfx/gfx.h"
#include "tests/gfx/canvas.h"

namespace {

using namespace gfx;
using gfxtest::Canvas;

bool isPng(const Bytes& bytes) {
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() > 8 && std::equal(signature, signature + 8, bytes.begin());
}

// Every pixel differs, some are translucent.
Bitmap patternBitmap(int w, int h) {
    Bitmap b = Bitmap::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, (x % 2 ? 0x80000000u : 0xFF000000u) | (x * 40u) << 16 | (y * 50u) << 8 | 0x33u);
    return b;
}

Bytes solidPng(ARGB colour) {
    Bitmap b = Bitmap::create(6, 6);
    Graphics::fromImage(b).clear(colour);
    return b.saveToBytes(format::Png);
}

std::string tempPath(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

TEST(GfxBitmap, ZeroSizeFailsAndDisposeCallsNothing) {
    for (auto [w, h] : {std::pair{0, 10}, std::pair{10, 0}}) {
        Bitmap b = Bitmap::create(w, h);
        EXPECT_FALSE(b);
        EXPECT_EQ(lastStatus(), Status::InvalidParameter);
        EXPECT_FALSE(b.dispose());
    }
    Bitmap b = Bitmap::create(4, 4);
    EXPECT_TRUE(b.dispose());
    // A second dispose calls nothing: the status of the last call stays.
    EXPECT_EQ(b.getPixel(0, 0), 0u);
    ASSERT_EQ(lastStatus(), Status::InvalidParameter);
    EXPECT_FALSE(b.dispose());
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
}

TEST(GfxBitmap, PngRoundTripKeepsEveryPixel) {
    Bitmap original = patternBitmap(7, 5);
    Bytes png = original.saveToBytes(format::Png);
    ASSERT_TRUE(isPng(png));
    Bitmap decoded = Bitmap::fromBytes(png);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded.rawFormat(), format::Png);
    ASSERT_EQ(decoded.width(), 7);
    ASSERT_EQ(decoded.height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(decoded.getPixel(x, y), original.getPixel(x, y)) << x << "," << y;
}

TEST(GfxBitmap, SaveChoosesTheEncoderByFormat) {
    Image png = Image::fromBytes(solidPng(0xFF00FF00));
    ASSERT_TRUE(png);
    EXPECT_TRUE(isPng(png.saveToBytes()));  // its own format
    Bytes bmp = png.saveToBytes(format::Bmp);
    ASSERT_GE(bmp.size(), 2u);
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    EXPECT_TRUE(isPng(png.saveToBytes("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")));

    // No encoder: GDI+ refuses, nothing comes back.
    for (const char* none : {"{00000000-0000-0000-0000-000000000000}", "PNG"}) {
        EXPECT_TRUE(png.saveToBytes(none).empty());
        EXPECT_NE(lastStatus(), Status::Ok);
    }
    EXPECT_TRUE(Bitmap::create(2, 2).saveToBytes().empty());  // a new bitmap has no file format
}

TEST(GfxImage, DecodedPictureOutlivesTheCallersBytes) {
    Image image;
    Bitmap bitmap;
    {
        Bytes png = solidPng(0xFFFF0000);
        image = Image::fromBytes(png);
        bitmap = Bitmap::fromBytes(png);
        std::fill(png.begin(), png.end(), 0);
    }
    Canvas canvas(20, 10);
    canvas.fill(0xFFFFFFFF);
    Graphics g = Graphics::fromHdc(canvas.dc());
    EXPECT_TRUE(g.drawImage(image, 0, 0));
    EXPECT_TRUE(g.drawImage(bitmap, 10, 0));
    EXPECT_EQ(canvas.count(0xFFFF0000, 0, 0, 20, 10), 2 * 36);
    EXPECT_EQ(canvas.count(0xFFFF0000, 0, 0, 6, 6), 36);

    EXPECT_FALSE(Image::fromBytes(Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_NE(lastStatus(), Status::Ok);
    EXPECT_FALSE(Bitmap::fromBytes({}));
}

TEST(GfxImage, FilesWithChineseNames) {
    std::string path = tempPath("图片测试.png");
    Bitmap source = patternBitmap(5, 3);
    ASSERT_TRUE(source.saveToFile(path, format::Png));
    {
        Image image = Image::fromFile(path);
        SizeF size = image.dimension();
        EXPECT_FLOAT_EQ(size.width, 5);
        EXPECT_FLOAT_EQ(size.height, 3);
        Bitmap bitmap = Bitmap::fromFile(path);
        EXPECT_EQ(bitmap.getPixel(4, 2), source.getPixel(4, 2));
    }
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    EXPECT_FALSE(Image::fromFile(tempPath("不存在.png")));

    std::string emfPath = tempPath("bounds.emf");
    RECT frame{0, 0, 2000, 1000};  // 0.01 mm
    HDC emf = CreateEnhMetaFileA(nullptr, emfPath.c_str(), &frame, nullptr);
    Rectangle(emf, 10, 10, 60, 40);
    DeleteEnhMetaFile(CloseEnhMetaFile(emf));
    std::optional<Rect> bounds = metafileBounds(emfPath);
    ASSERT_TRUE(bounds);
    EXPECT_GT(bounds->width, 0);
    EXPECT_EQ(Image::fromFile(emfPath).rawFormat(), format::Emf);
    DeleteFileA(emfPath.c_str());
    EXPECT_FALSE(metafileBounds(emfPath));
}

TEST(GfxBitmap, ToGdiBitmapAndFromIcon) {
    Bitmap b = Bitmap::create(8, 8);
    Graphics::fromImage(b).clear(0xFF2040C0);
    HBITMAP gdi = b.toHbitmap(0xFFFFFFFF);
    ASSERT_NE(gdi, nullptr);
    HBITMAP mask = CreateBitmap(8, 8, 1, 1, nullptr);
    ICONINFO ii{TRUE, 0, 0, mask, gdi};
    HICON icon = CreateIconIndirect(&ii);
    Bitmap fromIcon = Bitmap::fromIcon(icon);
    EXPECT_EQ(fromIcon.width(), 8);
    EXPECT_EQ(fromIcon.getPixel(3, 3), 0xFF2040C0u);
    DestroyIcon(icon);
    DeleteObject(mask);
    DeleteObject(gdi);
}

}  // namespace
