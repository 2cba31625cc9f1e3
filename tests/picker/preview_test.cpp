// Picture files as the preview draws them and as the custom background
// accepts or refuses them.
#include <gtest/gtest.h>

#include "gfx/gfx.h"
#include "picker/picture_file.h"
#include "picker/preview.h"
#include "tests/gfx/canvas.h"
#include "tests/support/pictures.h"

namespace {

using namespace picker;
using gfxtest::Canvas;
using gfxtest::nearRgb;

constexpr gfx::ARGB kWhite = 0xFFFFFFFF;

gfx::ARGB argbOf(COLORREF c) { return 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

class Preview : public ::testing::Test {
protected:
    PreviewFacts draw(const std::string& path) {
        gfx::Graphics g = gfx::Graphics::fromHdc(box.dc());
        return drawPictureFile(g, path, 150, 200);
    }
    int countOf(gfx::ARGB colour, const RECT& r) const {
        return box.count(colour, r.left, r.top, r.right, r.bottom, 8);
    }
    static int area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

    pictures::Folder folder{"lumo_preview"};
    Canvas box{150, 200};
};

TEST_F(Preview, ASmallerPictureIsCentredAtItsNaturalSize) {
    const COLORREF red = RGB(200, 30, 40);
    auto path = folder.add("small.png", pictures::flat(100, 80, red, gfx::format::Png));
    box.fill(0xFF000000);
    PreviewFacts facts = draw(path);
    EXPECT_EQ(facts.size, sizeText(*fileSize(path)));
    EXPECT_EQ(facts.type, "PNG 图片");
    EXPECT_EQ(facts.width, "100 像素");
    EXPECT_EQ(facts.height, "80 像素");
    EXPECT_EQ(countOf(argbOf(red), RECT{25, 60, 125, 140}), 100 * 80);
    // The rest of the box is cleared to white.
    EXPECT_EQ(countOf(kWhite, RECT{0, 0, 150, 60}), 150 * 60);
    EXPECT_EQ(countOf(kWhite, RECT{0, 140, 150, 200}), 150 * 60);
    EXPECT_EQ(countOf(kWhite, RECT{0, 60, 25, 140}) + countOf(kWhite, RECT{125, 60, 150, 140}), 2 * 25 * 80);
}

TEST_F(Preview, ALargerPictureIsStretchedOverTheWholeBox) {
    const COLORREF blue = RGB(30, 60, 220);
    auto path = folder.add("wide.bmp", pictures::flat(160, 100, blue, gfx::format::Bmp));
    PreviewFacts facts = draw(path);
    EXPECT_EQ(facts.type, "BMP 图片");
    EXPECT_EQ(facts.width, "160 像素");
    EXPECT_EQ(facts.height, "100 像素");
    // The edges of a stretched picture may blend with what lies outside it.
    EXPECT_EQ(countOf(argbOf(blue), RECT{2, 2, 148, 198}), 146 * 196);
}

TEST_F(Preview, AMetafileIsMeasuredAndDrawnByItsHeader) {
    // The picture's bounds start well inside its own coordinates; drawn from
    // its header's source rectangle the content fills the box.  (Wine draws
    // a metafile whole whatever the source rectangle; its own measure of the
    // picture differs from the header's by a fraction of a pixel.)
    const COLORREF green = RGB(20, 150, 60);
    pictures::Bytes emf;
    {
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetTempFileNameA(temp, "lmf", 0, name);
        HDC dc = CreateEnhMetaFileA(nullptr, name, nullptr, nullptr);
        HBRUSH brush = CreateSolidBrush(green);
        RECT content{200, 100, 500, 400};
        FillRect(dc, &content, brush);
        DeleteObject(brush);
        DeleteEnhMetaFile(CloseEnhMetaFile(dc));
        emf = *readFileBytes(name, 1 << 20);
        DeleteFileA(name);
    }
    auto path = folder.add("offset.emf", emf);
    auto bounds = gfx::metafileBounds(path);
    ASSERT_TRUE(bounds);
    EXPECT_GE(bounds->x, 190);
    EXPECT_GE(bounds->y, 90);

    PreviewFacts facts = draw(path);
    EXPECT_EQ(facts.type, "EMF 图片");
    EXPECT_EQ(facts.width, dimensionText(static_cast<float>(bounds->width)));
    EXPECT_EQ(facts.height, dimensionText(static_cast<float>(bounds->height)));
    EXPECT_GT(countOf(argbOf(green), RECT{4, 4, 146, 196}), 142 * 192 * 9 / 10);
    EXPECT_TRUE(nearRgb(box.pixel(8, 8), argbOf(green), 8)) << std::hex << box.pixel(8, 8);
}

TEST_F(Preview, RefusedPicturesShowWhatTheyDeclareAndDrawNothing) {
    struct Case {
        const char* name;
        pictures::Bytes bytes;
        const char* type;
        const char* width;
        const char* height;
    } cases[] = {
        {"huge.png", pictures::pngDeclaring(30000, 30000), "PNG 图片", "30000 像素", "30000 像素"},
        {"huge.bmp", pictures::bmpDeclaring(20000, 20000), "BMP 图片", "20000 像素", "20000 像素"},
        {"text.png", pictures::Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}, "未知 图片", "0 像素", "0 像素"},
        {"empty.png", {}, "未知 图片", "0 像素", "0 像素"},
        {"plain.wmf", pictures::plainMetafile(50, 40, RGB(1, 2, 3)), "未知 图片", "0 像素", "0 像素"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto path = folder.add(c.name, c.bytes);
        box.fill(0xFF000000);
        PreviewFacts facts = draw(path);
        EXPECT_EQ(facts.size, sizeText(c.bytes.size()));
        EXPECT_EQ(facts.type, c.type);
        EXPECT_EQ(facts.width, c.width);
        EXPECT_EQ(facts.height, c.height);
        EXPECT_EQ(countOf(kWhite, RECT{0, 0, 150, 200}), 150 * 200);
    }
}

TEST_F(Preview, AFileAboveTheSizeLimitShowsItsSizeAndHeaderOnly) {
    pictures::Bytes big = pictures::flat(40, 30, RGB(9, 9, 9), gfx::format::Png);
    big.resize(kMaxPictureFileBytes + 1000, 0);  // readers ignore what follows the picture
    auto path = folder.add("big.png", big);
    PreviewFacts facts = draw(path);
    EXPECT_EQ(facts.size, "32 MB");
    EXPECT_EQ(facts.type, "PNG 图片");
    EXPECT_EQ(facts.width, "40 像素");
    EXPECT_EQ(countOf(kWhite, RECT{0, 0, 150, 200}), 150 * 200);
    EXPECT_FALSE(loadPictureFile(path));
}

TEST_F(Preview, AMissingFileHasNoSize) {
    PreviewFacts facts = draw(folder.file("gone.png"));
    EXPECT_EQ(facts.size, "");
    EXPECT_EQ(facts.type, "未知 图片");
    EXPECT_EQ(fileSize(folder.file("gone.png")), std::nullopt);
}

// The custom background takes only what decodes into readable pixels.
TEST_F(Preview, TheSkinPictureIsTheFileWhenItDecodesAndNothingOtherwise) {
    using namespace pictures;
    const COLORREF c = RGB(120, 90, 200);
    Bytes truncated = flat(100, 80, c, gfx::format::Png);
    truncated.resize(truncated.size() / 2);
    Bytes badJpeg = flat(64, 48, c, gfx::format::Jpeg);
    // The frame header's sample precision becomes 7 bits, which no decoder takes.
    for (size_t i = 2; i + 4 < badJpeg.size(); ++i)
        if (badJpeg[i] == 0xFF && badJpeg[i + 1] == 0xC0) badJpeg[i + 4] = 7;
    struct Case {
        const char* name;
        Bytes bytes;
        bool accepted;
    } cases[] = {
        {"a.png", flat(20, 10, c, gfx::format::Png), true},
        {"a.bmp", flat(20, 10, c, gfx::format::Bmp), true},
        {"a.jpg", flat(32, 16, c, gfx::format::Jpeg), true},
        {"a.tif", flat(20, 10, c, gfx::format::Tiff), true},
        {"a.gif", animatedGif(20, 10, c, RGB(0, 0, 0)), true},
        {"a.ico", icon(32, c), true},
        {"a.emf", enhancedMetafile(40, 30, c), true},
        {"placeable.wmf", placeableMetafile(40, 30, c), true},
        {"图片.png", flat(20, 10, c, gfx::format::Png), true},
        {"empty.png", {}, false},
        {"text.png", Bytes{'h', 'e', 'l', 'l', 'o'}, false},
        {"truncated.png", truncated, false},
        {"corrupt.jpg", badJpeg, false},
        {"huge.png", pngDeclaring(30000, 30000), false},
        {"huge.bmp", bmpDeclaring(20000, 20000), false},
        {"zero.bmp", bmpDeclaring(0, 10), false},
        {"plain.wmf", plainMetafile(40, 30, c), false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        auto path = folder.add(k.name, k.bytes);
        std::optional<gfx::Bytes> picture = loadPictureFile(path);
        ASSERT_EQ(picture.has_value(), k.accepted);
        if (!picture) continue;
        gfx::Bitmap decoded = gfx::Bitmap::fromBytes(*picture);
        ASSERT_TRUE(decoded);
        const gfx::ARGB centre = decoded.getPixel(decoded.width() / 2, decoded.height() / 2);
        // JPEG rounds its colours.
        EXPECT_TRUE(nearRgb(centre, argbOf(c), 6)) << std::hex << centre;
        EXPECT_EQ(centre >> 24, 0xFFu);
    }
    EXPECT_FALSE(loadPictureFile(folder.file("missing.png")));
    EXPECT_FALSE(loadPictureFile(folder.path()));
}

TEST_F(Preview, APictureThatIsNotAMetafileKeepsItsOwnBytes) {
    auto bytes = pictures::flat(20, 10, RGB(1, 2, 3), gfx::format::Jpeg);
    auto path = folder.add("own.jpg", bytes);
    EXPECT_EQ(loadPictureFile(path), std::optional<gfx::Bytes>(bytes));
}

TEST_F(Preview, FileSizesAreReadInFull) {
    auto path = folder.add("size.bin", pictures::Bytes(12345, 7));
    EXPECT_EQ(fileSize(path), 12345u);
    EXPECT_EQ(readFileBytes(path, 100)->size(), 100u);
    EXPECT_EQ(readFileBytes(path, 1 << 20)->size(), 12345u);
    EXPECT_FALSE(readFileBytes(folder.file("none"), 10));
}

}  // namespace
