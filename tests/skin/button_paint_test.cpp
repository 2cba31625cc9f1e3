// The looks of skinned buttons, painted on a canvas over a known backdrop,
// and the tick recoloured with the accent colour.
#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/image.h"
#include "skin/controls/button.h"
#include "tests/gfx/canvas.h"
#include "tests/support/button_looks.h"
#include "win/fonts.h"
#include "win/resources.h"

namespace {

using namespace skin;

constexpr COLORREF kBackdrop = RGB(40, 90, 160);
constexpr COLORREF kAccent = RGB(230, 40, 60);
constexpr int kW = 80, kH = 32;

class ButtonPaint : public ::testing::Test {
protected:
    void SetUp() override { canvas.fill(0xFF000000u | toArgb(kBackdrop)); }

    COLORREF at(int x, int y) const { return toColorref(canvas.pixel(x, y)); }
    ButtonText text(std::string caption = "", COLORREF colour = 0) const {
        return ButtonText{std::move(caption), ControlFont{win::kDefaultFace, 15, 0}, colour};
    }
    void push(UINT state, std::string caption = "") {
        paintPushButton(canvas.dc(), RECT{0, 0, kW, kH}, pushButtonLook(state, kAccent, text(caption)));
    }
    void checkBox(bool hot, bool checked) {
        paintCheckBox(canvas.dc(), RECT{0, 0, kW, kH}, indicatorLook(hot ? kDrawHot : 0, checked, kAccent, text()));
    }
    void radio(bool hot, bool checked) {
        paintRadioButton(canvas.dc(), RECT{0, 0, kW, kH}, indicatorLook(hot ? kDrawHot : 0, checked, kAccent, text()));
    }
    // Within tolerance of the expected colour at every listed point.
    template <class Expected>
    void expectInterior(std::initializer_list<int> xs, std::initializer_list<int> ys, Expected&& expected,
                        int tolerance = 3) {
        for (int y : ys)
            for (int x : xs)
                EXPECT_LE(looks::distance(at(x, y), expected(x, y).rgb()), tolerance)
                    << x << "," << y << " got " << std::hex << at(x, y) << " want " << expected(x, y).rgb();
    }

    gfxtest::Canvas canvas{kW, kH};
};

// Rows of the face away from the outline, on both sides of the gloss's end.
const auto kFaceColumns = {6, 40, 73};
const auto kFaceRows = {4, 9, 14, 18, 23, 27};

TEST_F(ButtonPaint, PlainFaceIsWhiteShadeAndGlossOverTheBackdropWithADarkOutline) {
    push(0);
    expectInterior(kFaceColumns, kFaceRows, [](int, int y) { return looks::pushFace(kBackdrop, y, kH); });
    EXPECT_EQ(at(0, 0), kBackdrop);  // the rounded corner leaves the backdrop
    EXPECT_EQ(at(kW - 1, kH - 1), kBackdrop);
    // The outline: black a120 over the face on the left edge.
    EXPECT_LE(looks::distance(at(0, 16), looks::over(looks::pushFace(kBackdrop, 16, kH), looks::layer(0, 120)).rgb()),
              3);
}

TEST_F(ButtonPaint, HotFaceTakesTheAccentAndAnAccentEdge) {
    push(kDrawHot);
    expectInterior(kFaceColumns, kFaceRows, [](int, int y) { return looks::hotFace(kBackdrop, kAccent, y, kH); });
    const looks::Colour edge = looks::over(
        looks::over(looks::hotFace(kBackdrop, kAccent, 16, kH), looks::layer(0, 150)), looks::layer(kAccent, 100));
    EXPECT_LE(looks::distance(at(0, 16), edge.rgb()), 3);
    // Hot wins over focus.
    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    push(kDrawHot | kDrawFocused);
    EXPECT_LE(looks::distance(at(0, 16), edge.rgb()), 3);
}

TEST_F(ButtonPaint, FocusGlowsInsideTheEdgeOnly) {
    push(kDrawFocused);
    // Away from the edge the face is the plain one.
    expectInterior({6, 40, 73}, {4, 9, 23, 27}, [](int, int y) { return looks::pushFace(kBackdrop, y, kH); });
    // Just inside the edge the glow colour shows; outside it nothing does.
    const COLORREF inner = at(1, 16);
    const COLORREF plain = looks::pushFace(kBackdrop, 16, kH).rgb();
    EXPECT_GT(looks::distance(inner, plain), 30) << std::hex << inner;
    EXPECT_GT(GetGValue(inner), GetRValue(inner) + 40) << std::hex << inner;  // RGB(34, 202, 221) over the face
    EXPECT_EQ(at(0, 0), kBackdrop);
}

TEST_F(ButtonPaint, SelectedLaysThePressedOverlayOverTheFace) {
    push(kDrawSelected);
    expectInterior({6, 40, 73}, {4, 9, 14, 18, 23, 27},
                   [](int, int y) { return looks::selected(looks::pushFace(kBackdrop, y, kH), kAccent, y, kH); });
    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    push(kDrawSelected | kDrawHot);
    expectInterior({6, 40, 73}, {4, 14, 23}, [](int, int y) {
        return looks::selected(looks::hotFace(kBackdrop, kAccent, y, kH), kAccent, y, kH);
    });
}

TEST_F(ButtonPaint, DisabledIsFlatGreyWhateverElseTheStateSays) {
    for (UINT state : {kDrawDisabled, kDrawDisabled | kDrawHot | kDrawSelected | kDrawFocused}) {
        canvas.fill(0xFF000000u | toArgb(kBackdrop));
        push(state, "禁用");
        // Away from the outline and the centred caption the grey is exact.
        for (int y = 2; y < kH - 2; ++y)
            for (int x : {2, 3, 8, 12, 68, 72, 76, 77}) ASSERT_EQ(at(x, y), RGB(192, 192, 192)) << x << "," << y;
        for (int x = 2; x < kW - 2; ++x) ASSERT_EQ(at(x, 3), RGB(192, 192, 192)) << x;
        // The corner outside the outline is grey too: the fill covers the
        // whole rectangle.
        EXPECT_EQ(at(0, 0), RGB(192, 192, 192));
    }
}

TEST_F(ButtonPaint, CaptionIsDrawnLiterallyInTheTextColour) {
    push(0, "&");
    // No mnemonic processing: a lone ampersand is a visible character.
    EXPECT_GT(canvas.count(0xFF000000, 28, 6, 52, 28, 60), 3);
    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    paintPushButton(canvas.dc(), RECT{0, 0, kW, kH}, pushButtonLook(0, kAccent, text("红字", RGB(255, 0, 0))));
    EXPECT_GT(canvas.count(0xFFFF0000, 20, 6, 60, 28, 40), 10);
    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    push(0, "");
    EXPECT_EQ(canvas.count(0xFF000000, 20, 6, 60, 28, 60), 0);
}

// Tick pixels inside the indicator, as (canvas x, canvas y, picture colour).
struct TickPixel {
    int x, y;
    std::uint32_t rrggbb;
};
constexpr TickPixel kTickPixels[] = {{7, 17, 0x5C9309}, {8, 16, 0x60980B}, {6, 18, 0x5B900B}, {10, 13, 0x79B221}};

TEST_F(ButtonPaint, CheckBoxShowsItsTintedTickOnlyWhenChecked) {
    checkBox(false, false);
    expectInterior({5, 8, 11}, {13, 16, 19}, [](int, int y) { return looks::checkBoxInside(y, kH); });
    EXPECT_EQ(at(0, 16), kBackdrop);
    EXPECT_EQ(at(40, 4), kBackdrop);  // no caption, nothing beside the indicator

    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    checkBox(false, true);
    for (const TickPixel& p : kTickPixels)
        EXPECT_LE(
            looks::distance(at(p.x, p.y), looks::withTick(looks::checkBoxInside(p.y, kH), kAccent, p.rrggbb).rgb()), 3)
            << p.x << "," << p.y << " got " << std::hex << at(p.x, p.y);
    // Where the tick is white nothing of it shows.
    EXPECT_LE(looks::distance(at(5, 13), looks::checkBoxInside(13, kH).rgb()), 3);
}

TEST_F(ButtonPaint, HotCheckBoxWashesTheBoxAndGlowsAroundIt) {
    checkBox(true, false);
    expectInterior({5, 8, 11}, {13, 16, 19}, [](int x, int y) { return looks::hotCheckBoxInside(kAccent, x, y, kH); });
    EXPECT_NE(at(0, 16), kBackdrop);  // the halo around the box
    EXPECT_EQ(at(40, 16), kBackdrop);

    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    checkBox(true, true);
    for (const TickPixel& p : kTickPixels)
        EXPECT_LE(
            looks::distance(at(p.x, p.y),
                            looks::withTick(looks::hotCheckBoxInside(kAccent, p.x, p.y, kH), kAccent, p.rrggbb).rgb()),
            3)
            << p.x << "," << p.y;
}

TEST_F(ButtonPaint, RadioButtonIsAShadedDiscWithAnAccentMarkWhenChecked) {
    radio(false, false);
    expectInterior({4}, {15, 16, 17}, [](int x, int y) { return looks::radioInside(x, y, kH); });
    EXPECT_EQ(at(0, 16), kBackdrop);
    const COLORREF markPlace = at(6, 16);
    EXPECT_LE(std::abs(GetRValue(markPlace) - GetGValue(markPlace)), 3);  // grey shading

    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    radio(false, true);
    expectInterior({4}, {15, 16, 17}, [](int x, int y) { return looks::radioInside(x, y, kH); });
    const COLORREF mark = at(6, 16);
    EXPECT_GT(GetRValue(mark), GetGValue(mark) + 30) << std::hex << mark;  // leans to the accent

    canvas.fill(0xFF000000u | toArgb(kBackdrop));
    radio(true, false);
    expectInterior({4}, {15, 16, 17}, [](int x, int y) { return looks::hotRadioInside(kAccent, x, y, kH); });
    EXPECT_NE(at(0, 16), kBackdrop);  // the halo
}

// ---- The tick ----------------------------------------------------------------

constexpr std::uint32_t W = 0xFFFFFF;
// The colours of the carried tick, row by row ("W" is white).
constexpr std::uint32_t kTick[12][13] = {
    {W, W, W, W, W, W, W, W, W, W, W, 0xEAF1F0, 0xD3E6AF},
    {W, W, W, W, W, W, W, W, W, W, 0xCEE7A3, 0xADD56A, W},
    {W, W, W, W, W, W, W, W, 0xEBF5DB, 0x8AC138, 0x98C74D, W, W},
    {W, W, W, W, W, W, W, 0xDCEDC2, 0x79B221, 0x86BB35, 0xF9FDF7, W, W},
    {W, W, W, W, W, W, 0xE4F1D0, 0x72AC1B, 0x6CA715, 0xE0EEC9, W, W, W},
    {0xD3E6AF, 0xC4DC98, 0xF0F7E6, W, W, W, 0x81B233, 0x65A00D, 0x9EC45D, W, W, W, W},
    {W, 0xF2F7E7, 0x7AAB2E, 0x8AB544, W, 0xB5D284, 0x60980B, 0x649C10, 0xEAF3DD, W, W, W, W},
    {W, W, 0xEDF3E1, 0x70A223, 0x5C9309, 0x5C9309, 0x5C9309, 0x96BC59, W, W, W, W, W},
    {W, W, W, 0xDCE8C5, 0x5B900B, 0x588E06, 0x5A8F09, 0xE3EFD0, W, W, W, W, W},
    {W, W, W, W, 0x98B95E, 0x548805, 0x7FA73B, W, W, W, W, W, W},
    {W, W, W, W, 0xEDF2E0, 0x558709, 0xC4D7A1, W, W, W, W, W, W},
    {W, W, W, W, W, 0xA8C479, W, W, W, W, W, W, W},
};

// n / d to the nearest integer, halves to even.
int nearestEven(int n, int d) {
    const int q = n / d, r = n % d;
    return (2 * r > d || (2 * r == d && q % 2)) ? q + 1 : q;
}

TEST(TickGlyph, TheCarriedTickHoldsTheTableAndIsTransparentWhereWhite) {
    gfx::Bitmap tick = gfx::Bitmap::fromBytes(win::carriedBytes("TICK"));
    ASSERT_TRUE(tick);
    ASSERT_EQ(tick.width(), 13);
    ASSERT_EQ(tick.height(), 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 13; ++x) {
            const gfx::ARGB p = tick.getPixel(x, y);
            EXPECT_EQ(p & 0xFFFFFF, kTick[y][x]) << x << "," << y;
            EXPECT_EQ(p >> 24, kTick[y][x] == W ? 0u : 255u) << x << "," << y;
        }
}

TEST(TickGlyph, TintScalesEveryColouredPixelByTheAccentAndLeavesWhiteAlone) {
    // Worked by hand: 5C9309 in the default accent RGB(34, 202, 221).
    EXPECT_EQ(tintTickPixel(RGB(34, 202, 221), 0xFF5C9309), std::optional<Argb>(0xAC0C7408));
    EXPECT_EQ(tintTickPixel(RGB(34, 202, 221), 0x00FFFFFF), std::nullopt);
    // The pixel's own alpha is not read.
    EXPECT_EQ(tintTickPixel(RGB(34, 202, 221), 0x005C9309), std::optional<Argb>(0xAC0C7408));

    for (COLORREF accent : {RGB(34, 202, 221), RGB(200, 30, 90)}) {
        gfx::Bitmap tinted = gfx::Bitmap::fromBytes(tintGlyph(win::carriedBytes("TICK"), accent));
        ASSERT_TRUE(tinted);
        ASSERT_EQ(tinted.width(), 13);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 13; ++x) {
                const std::uint32_t c = kTick[y][x];
                const gfx::ARGB got = tinted.getPixel(x, y);
                if (c == W) {
                    EXPECT_EQ(got, 0x00FFFFFFu) << x << "," << y;
                    continue;
                }
                const int r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
                const gfx::ARGB want = (static_cast<gfx::ARGB>(255 - nearestEven(r + g + b, 3)) << 24) |
                                       (nearestEven(GetRValue(accent) * r, 255) << 16) |
                                       (nearestEven(GetGValue(accent) * g, 255) << 8) |
                                       nearestEven(GetBValue(accent) * b, 255);
                EXPECT_EQ(got, want) << std::hex << x << "," << y;
            }
    }
    EXPECT_TRUE(tintGlyph(std::span<const BYTE>(), RGB(1, 2, 3)).empty());
}

}  // namespace
