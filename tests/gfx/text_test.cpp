#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>

#include "gfx/gfx.h"
#include "tests/gfx/canvas.h"

namespace {

using namespace gfx;
using gfxtest::Canvas;

constexpr ARGB kWhite = 0xFFFFFFFF;

// The box around the pixels darker than mid grey; empty when there are none.
RECT inkBox(const Canvas& c) {
    RECT r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (gfxtest::channel(c.pixel(x, y), 8) < 128) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return r.right < r.left ? RECT{} : r;
}

HFONT gdiFont(int height) {
    return CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
}

TEST(GfxFont, FamilyThatIsNotInstalledFails) {
    Font font = Font::fromFamilyName("NoSuchFace123", 12);
    EXPECT_FALSE(font);
    EXPECT_EQ(lastStatus(), Status::FontFamilyNotFound);
    EXPECT_FALSE(font.dispose());
}

TEST(GfxFont, FromFamilyNameWithStyleSizeAndUnit) {
    Font font = Font::fromFamilyName("宋体", 12, FontStyleBold, Unit::Pixel);
    ASSERT_TRUE(font);
    EXPECT_EQ(font.style(), FontStyleBold);
    EXPECT_FLOAT_EQ(font.size(), 12);
    EXPECT_EQ(font.unit(), Unit::Pixel);
    // The face is mapped onto an installed one, whose own name GDI+ reports.
    std::string installed = FontFamily::fromName("WenQuanYi Micro Hei").name();
    ASSERT_FALSE(installed.empty());
    EXPECT_EQ(font.family().name(), installed);

    Font plain = Font::fromFamilyName(L"宋体", 9);
    EXPECT_EQ(plain.style(), FontStyleRegular);
    EXPECT_EQ(plain.unit(), Unit::World);
}

TEST(GfxFont, UnreadableFontHandleFallsBackToTheContextsFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT big = gdiFont(32);
    HFONT small = gdiFont(12);
    HGDIOBJ previous = SelectObject(dc, big);
    Font selected = Font::fromDc(dc);
    ASSERT_TRUE(selected);
    EXPECT_LT(Font::fromDc(dc, small).size(), selected.size());

    // Another kind of GDI object, and a font that no longer exists.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HFONT gone = gdiFont(12);
    DeleteObject(gone);
    for (HGDIOBJ notAFont : {static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(gone)}) {
        Font font = Font::fromDc(dc, static_cast<HFONT>(notAFont));
        ASSERT_TRUE(font);
        EXPECT_FLOAT_EQ(font.size(), selected.size());
        EXPECT_EQ(font.family().name(), selected.family().name());
    }
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteObject(small);
    DeleteObject(big);
    DeleteDC(dc);
}

TEST(GfxText, ChineseTextDrawsAndMeasures) {
    Canvas canvas(200, 60);
    canvas.fill(kWhite);
    Graphics g = Graphics::fromHdc(canvas.dc());
    Font font = Font::fromFamilyName("宋体", 24, FontStyleRegular, Unit::Pixel);
    SolidBrush black = SolidBrush::create(0xFF000000);
    ASSERT_TRUE(g.drawString("音乐台盒子", font, black, {10, 10, 180, 40}));
    RECT ink = inkBox(canvas);
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 50);
    EXPECT_GT(ink.right - ink.left, 4 * 24);  // five ideographs, not replacement marks

    // The GBK text measures as the same characters given in UTF-16.
    const RectF unbounded{0, 0, 0, 0};
    RectF gbk, wide, longer;
    ASSERT_TRUE(g.measureString("音乐台", font, unbounded, gbk));
    ASSERT_TRUE(g.measureString(L"\u97F3\u4E50\u53F0", font, unbounded, StringFormat(), wide));
    EXPECT_GT(gbk.width, 3 * 20);
    EXPECT_FLOAT_EQ(wide.width, gbk.width);
    EXPECT_FLOAT_EQ(wide.height, gbk.height);
    g.measureString("音乐台盒子", font, unbounded, StringFormat(), longer);
    EXPECT_GT(longer.width, gbk.width + 40);

    RectF untouched{1, 2, 3, 4};
    EXPECT_FALSE(g.measureString("音乐", Font(), unbounded, untouched));
    EXPECT_FLOAT_EQ(untouched.width, 3);
}

TEST(GfxText, StringFormatAlignsAndStopsWrapping) {
    Canvas canvas(200, 80);
    Graphics g = Graphics::fromHdc(canvas.dc());
    Font font = Font::fromFamilyName("宋体", 20, FontStyleRegular, Unit::Pixel);
    SolidBrush black = SolidBrush::create(0xFF000000);
    const RectF box{0, 0, 200, 80};

    StringFormat centred = StringFormat::create();
    ASSERT_TRUE(centred.setAlignment(StringAlignment::Center));
    ASSERT_TRUE(centred.setLineAlignment(StringAlignment::Center));
    canvas.fill(kWhite);
    g.drawString("中", font, black, box, centred);
    RECT ink = inkBox(canvas);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 6);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 40, 6);
    canvas.fill(kWhite);
    g.drawString("中", font, black, box);  // no format: near, top
    EXPECT_LT(inkBox(canvas).left, 10);
    EXPECT_LT(inkBox(canvas).top, 10);

    // Too long for one line of the narrow box: it wraps unless told not to.
    const RectF narrow{0, 0, 70, 80};
    canvas.fill(kWhite);
    g.drawString("音乐台盒子音乐台", font, black, narrow);
    EXPECT_GT(inkBox(canvas).bottom, 30);
    StringFormat oneLine = StringFormat::create(StringFormatFlagsNoWrap | StringFormatFlagsLineLimit);
    ASSERT_TRUE(oneLine.setTrimming(StringTrimming::EllipsisCharacter));
    canvas.fill(kWhite);
    g.drawString("音乐台盒子音乐台", font, black, narrow, oneLine);
    EXPECT_LE(inkBox(canvas).bottom, 30);
    EXPECT_TRUE(oneLine.setFlags(0));
}

TEST(GfxFontCollection, ListsTheInstalledFamilies) {
    FontCollection installed = FontCollection::installed();
    int n = installed.familyCount();
    ASSERT_GT(n, 0);
    EXPECT_TRUE(installed.families(0).empty());
    EXPECT_EQ(lastStatus(), Status::InvalidParameter);
    std::vector<FontFamily> families = installed.families(n);
    ASSERT_EQ(static_cast<int>(families.size()), n);
    std::string wanted = FontFamily::fromName("WenQuanYi Micro Hei", &installed).name();
    EXPECT_TRUE(std::any_of(families.begin(), families.end(), [&](const FontFamily& f) { return f.name() == wanted; }));
}

}  // namespace
