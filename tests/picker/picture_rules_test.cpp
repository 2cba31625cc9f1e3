// The picker's rules as values: texts, formats, what headers declare, which
// files may be decoded, and the geometry of the dialog and the preview.
#include <gtest/gtest.h>

#include "gfx/types.h"
#include "picker/picker_layout.h"
#include "picker/picture_rules.h"
#include "tests/support/pictures.h"

namespace {

using namespace picker;

TEST(PictureRules, SizeTextSwitchesToMegabytesAboveOneAndKeepsOneDecimal) {
    struct Case {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 KB"},       {300, "0.3 KB"},      {1536, "1.5 KB"},
        {2048, "2 KB"},    {1048576, "1024 KB"},  // exactly 1 MB is still shown in kilobytes
        {1100000, "1 MB"}, {1200000, "1.1 MB"},  {5ull * 1024 * 1024 * 1024, "5120 MB"},  // beyond 32 bits
    };
    for (const Case& c : cases) EXPECT_EQ(sizeText(c.bytes), c.text) << c.bytes;
}

TEST(PictureRules, DimensionAndTypeTexts) {
    EXPECT_EQ(dimensionText(100), "100 像素");
    EXPECT_EQ(dimensionText(30000), "30000 像素");
    EXPECT_EQ(dimensionText(12.5f), "12.5 像素");
    EXPECT_EQ(typeText(PictureFormat::Png), "PNG 图片");
    EXPECT_EQ(typeText(PictureFormat::Unknown), "未知 图片");
}

TEST(PictureRules, EveryGdiplusFormatHasItsNameAndOthersAreUnknown) {
    struct Case {
        const char* guid;
        const char* name;
    } cases[] = {
        {gfx::format::Bmp, "BMP"},
        {gfx::format::Jpeg, "JPEG"},
        {gfx::format::Gif, "GIF"},
        {gfx::format::Emf, "EMF"},
        {gfx::format::Wmf, "WMF"},
        {gfx::format::Tiff, "TIFF"},
        {gfx::format::Png, "PNG"},
        {gfx::format::Icon, "ICO"},
        {"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", "PNG"},   // case does not matter
        {"{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}", "未知"},  // a bitmap made in memory
        {"{B96B3CB2-0728-11D3-9D7B-0000F81EF32E}", "未知"},  // EXIF
        {"", "未知"},
    };
    for (const Case& c : cases) EXPECT_STREQ(formatName(formatOfRawFormat(c.guid)), c.name) << c.guid;
}

std::optional<DeclaredPicture> declared(const pictures::Bytes& bytes) { return readDeclaredPicture(bytes); }

void expectDeclares(const pictures::Bytes& bytes, PictureFormat format, std::uint32_t w, std::uint32_t h,
                    const char* what) {
    auto d = declared(bytes);
    ASSERT_TRUE(d) << what;
    EXPECT_EQ(d->format, format) << what;
    EXPECT_EQ(d->width, w) << what;
    EXPECT_EQ(d->height, h) << what;
}

TEST(PictureRules, HeadersDeclareTheirFormatAndSize) {
    using namespace pictures;
    expectDeclares(flat(100, 80, RGB(1, 2, 3), gfx::format::Png), PictureFormat::Png, 100, 80, "png");
    expectDeclares(flat(70, 30, RGB(1, 2, 3), gfx::format::Bmp), PictureFormat::Bmp, 70, 30, "bmp");
    expectDeclares(flat(64, 48, RGB(1, 2, 3), gfx::format::Jpeg), PictureFormat::Jpeg, 64, 48, "jpeg");
    expectDeclares(flat(33, 17, RGB(1, 2, 3), gfx::format::Tiff), PictureFormat::Tiff, 33, 17, "tiff");
    expectDeclares(animatedGif(40, 20, RGB(1, 2, 3), RGB(4, 5, 6)), PictureFormat::Gif, 40, 20, "gif");
    expectDeclares(icon(32, RGB(1, 2, 3)), PictureFormat::Icon, 32, 32, "icon");
    expectDeclares(pngDeclaring(30000, 30000), PictureFormat::Png, 30000, 30000, "huge png");
    expectDeclares(bmpDeclaring(20000, -20000), PictureFormat::Bmp, 20000, 20000, "top-down bmp");

    for (const auto& [bytes, format] : {std::pair{enhancedMetafile(10, 10, 0), PictureFormat::Emf},
                                        std::pair{plainMetafile(10, 10, 0), PictureFormat::Wmf},
                                        std::pair{placeableMetafile(10, 10, 0), PictureFormat::Wmf}}) {
        auto d = declared(bytes);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->format, format);
        EXPECT_FALSE(d->width);
    }
}

TEST(PictureRules, AFrameOrIconEntryLargerThanItsHeaderCounts) {
    // A GIF whose first frame reaches beyond the logical screen.
    pictures::Bytes gif = pictures::animatedGif(10, 10, 0, 0);
    gif[6] = 5;  // screen 5 x 10, frame still 10 x 10
    expectDeclares(gif, PictureFormat::Gif, 10, 10, "gif frame");
    // An icon entry that says 16 x 16 but holds a PNG of 5000 x 5000.
    pictures::Bytes ico = pictures::icon(16, 0);
    pictures::Bytes png = pictures::pngDeclaring(5000, 5000);
    ico.resize(22);
    ico.insert(ico.end(), png.begin(), png.end());
    expectDeclares(ico, PictureFormat::Icon, 5000, 5000, "icon with png");
}

TEST(PictureRules, BrokenOrForeignBytesDeclareNothingOrNoSize) {
    EXPECT_FALSE(declared({}));
    const std::string textFile = "hello, this is not a picture";
    EXPECT_FALSE(declared(pictures::Bytes(textFile.begin(), textFile.end())));
    // Signatures whose headers end early give no size.
    pictures::Bytes png = pictures::flat(10, 10, 0, gfx::format::Png);
    png.resize(12);
    ASSERT_TRUE(declared(png));
    EXPECT_FALSE(declared(png)->width);
    pictures::Bytes jpeg = pictures::flat(10, 10, 0, gfx::format::Jpeg);
    jpeg.resize(40);  // before the frame header
    ASSERT_TRUE(declared(jpeg));
    EXPECT_FALSE(declared(jpeg)->width);
    EXPECT_FALSE(declared(pictures::Bytes{0xFF, 0xD8, 0xFF})->width);
}

TEST(PictureRules, OnlyFilesWithinBothLimitsAreDecoded) {
    auto raster = [](std::uint32_t w, std::uint32_t h) {
        return std::optional<DeclaredPicture>(DeclaredPicture{PictureFormat::Png, w, h});
    };
    const std::optional<DeclaredPicture> metafile = DeclaredPicture{PictureFormat::Emf, {}, {}};
    EXPECT_EQ(judgePicture(1000, raster(100, 80)), Verdict::Decode);
    EXPECT_EQ(judgePicture(1000, raster(4096, 4096)), Verdict::Decode);
    EXPECT_EQ(judgePicture(1000, raster(4097, 4096)), Verdict::TooManyPixels);
    EXPECT_EQ(judgePicture(1000, raster(30000, 30000)), Verdict::TooManyPixels);
    EXPECT_EQ(judgePicture(1000, raster(0xFFFFFFFF, 0xFFFFFFFF)), Verdict::TooManyPixels);
    EXPECT_EQ(judgePicture(1000, raster(0, 80)), Verdict::NotAPicture);
    EXPECT_EQ(judgePicture(1000, DeclaredPicture{PictureFormat::Png, 100, {}}), Verdict::NotAPicture);
    EXPECT_EQ(judgePicture(1000, metafile), Verdict::Decode);
    EXPECT_EQ(judgePicture(1000, std::nullopt), Verdict::NotAPicture);
    EXPECT_EQ(judgePicture(0, raster(1, 1)), Verdict::NotAPicture);
    EXPECT_EQ(judgePicture(std::nullopt, raster(1, 1)), Verdict::NotAPicture);
    EXPECT_EQ(judgePicture(kMaxPictureFileBytes, raster(1, 1)), Verdict::Decode);
    EXPECT_EQ(judgePicture(kMaxPictureFileBytes + 1, raster(1, 1)), Verdict::FileTooLarge);
    EXPECT_EQ(judgePicture(kMaxPictureFileBytes + 1, metafile), Verdict::FileTooLarge);
}

TEST(PictureRules, MissingPathsCountAsFolders) {
    EXPECT_TRUE(countsAsFolder(INVALID_FILE_ATTRIBUTES));
    EXPECT_TRUE(countsAsFolder(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(countsAsFolder(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(countsAsFolder(FILE_ATTRIBUTE_NORMAL));
}

TEST(PickerLayout, ThePanelGoesRightOfOkLevelWithTheFolderBox) {
    // OK and the folder box in screen coordinates; the client area starts at (104, 185).
    const POINT at = panelOrigin(RECT{644, 500, 739, 525}, RECT{213, 190, 476, 212}, POINT{-104, -185});
    EXPECT_EQ(at.x, 739 - 104 + 5);
    EXPECT_EQ(at.y, 190 - 185);
}

TEST(PickerLayout, TheDialogGrowsByThePanelAndIsCentred) {
    const RECT widened = widenedDialog(RECT{10, 20, 668, 464}, kPanelWidth, 1024, 768);
    EXPECT_EQ(widened.right - widened.left, 658 + 172);
    EXPECT_EQ(widened.bottom - widened.top, 444);
    EXPECT_EQ(widened.left, (1024 - 658 - 172) / 2);
    EXPECT_EQ(widened.top, (768 - 444) / 2);
    // Odd leftovers truncate; a dialog wider than the screen goes left of it.
    EXPECT_EQ(widenedDialog(RECT{0, 0, 659, 445}, 172, 1024, 768).left, 96);
    EXPECT_EQ(widenedDialog(RECT{0, 0, 659, 445}, 172, 1024, 768).top, 161);
    EXPECT_EQ(widenedDialog(RECT{0, 0, 1000, 400}, 172, 1024, 768).left, -74);
}

TEST(PickerLayout, SmallerPicturesAreCentredAndOthersStretched) {
    const PreviewPlacement small = placePreview(150, 200, 100, 80);
    EXPECT_FALSE(small.stretched);
    EXPECT_FLOAT_EQ(small.x, 25);
    EXPECT_FLOAT_EQ(small.y, 60);
    EXPECT_TRUE(placePreview(150, 200, 160, 100).stretched);
    EXPECT_TRUE(placePreview(150, 200, 100, 200).stretched);  // as high as the box
    EXPECT_TRUE(placePreview(150, 200, 150, 10).stretched);
    EXPECT_FALSE(placePreview(150, 200, 149.5f, 199.5f).stretched);
}

}  // namespace
