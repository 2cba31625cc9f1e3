// Skinned trackbars and progress bars painted on a canvas over a known
// backdrop: the colours inside their shapes, worked out from the alphas of
// their layers.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "skin/controls/progress_bar.h"
#include "skin/controls/trackbar.h"
#include "skin/window/colour.h"
#include "tests/gfx/canvas.h"
#include "tests/support/button_looks.h"

namespace {

using namespace skin;
using looks::colour;
using looks::layer;
using looks::mix;
using looks::over;

constexpr COLORREF kBackdrop = RGB(40, 90, 160);
constexpr COLORREF kAccent = RGB(230, 40, 60);

class BarsPaint : public ::testing::Test {
protected:
    void paintOn(int w, int h) {
        canvas = std::make_unique<gfxtest::Canvas>(w, h);
        canvas->fill(0xFF000000u | toArgb(kBackdrop));
    }
    COLORREF at(int x, int y) const { return toColorref(canvas->pixel(x, y)); }
    void expectNear(int x, int y, const looks::Colour& expected, int tolerance = 6) {
        EXPECT_LE(looks::distance(at(x, y), expected.rgb()), tolerance)
            << x << "," << y << " got " << std::hex << at(x, y) << " want " << expected.rgb();
    }
    bool whitish(int x, int y) const {
        const COLORREF c = at(x, y);
        return GetRValue(c) >= 170 && GetGValue(c) >= 170 && GetBValue(c) >= 170;
    }

    std::unique_ptr<gfxtest::Canvas> canvas;
};

// ---- Trackbars: a 204 x 30 control whose channel the system reports at
// (8, 9)-(196, 13), range 0 to 100.

TrackbarState trackbarAt(int position, int thumbLeft, bool hovered) {
    TrackbarState s;
    s.hovered = hovered;
    s.position = position;
    s.rangeMax = 100;
    s.channel = RECT{8, 9, 196, 13};
    s.thumb = RECT{thumbLeft, 2, thumbLeft + 11, 23};
    return s;
}

// The channel's gradient runs from black a50 at its top to a40 at its
// bottom, 4 rows down.
looks::Colour channelAt(COLORREF below, double t) {
    return over(colour(below), mix(layer(looks::kBlack, 50), layer(looks::kBlack, 40), t));
}

class TrackbarPaint : public BarsPaint {
protected:
    void paint(const TrackbarState& s, bool panel = false, int w = 204, int h = 30) {
        paintOn(w, h);
        paintTrackbar(canvas->dc(), RECT{0, 0, w, h}, TrackbarLook{panel, kAccent, trackbarLayout(s)});
    }
};

TEST_F(TrackbarPaint, ChannelAndTravelledLineOverTheBackdropWithoutAPanel) {
    paint(trackbarAt(50, 96, false));
    // Above and below the channel the backdrop is untouched.
    for (int x : {3, 60, 150, 200})
        for (int y : {0, 4, 20, 29}) EXPECT_EQ(at(x, y), kBackdrop) << x << "," << y;
    // Beyond the thumb the channel alone, its rows shading upwards.
    for (int y : {9, 10, 11, 12}) expectNear(150, y, channelAt(kBackdrop, (y - 9) / 4.0));
    // Up to the thumb the accent a200 line covers the middle two rows.
    for (int x : {12, 50, 90})
        for (int y : {10, 11}) expectNear(x, y, over(channelAt(kBackdrop, (y - 9) / 4.0), layer(kAccent, 200)));
    expectNear(50, 9, channelAt(kBackdrop, 0));
    expectNear(50, 12, channelAt(kBackdrop, 0.75));
}

TEST_F(TrackbarPaint, TheThumbIsSmallUntilThePointerIsOverTheControl) {
    paint(trackbarAt(50, 96, false));
    EXPECT_TRUE(whitish(99, 10));  // the small thumb's centre
    // Inside the large thumb's circle but outside the small one's.
    EXPECT_EQ(at(101, 6), kBackdrop);
    expectNear(106, 10, channelAt(kBackdrop, 0.25));

    paint(trackbarAt(50, 96, true));
    EXPECT_TRUE(whitish(101, 6));
    EXPECT_TRUE(whitish(106, 10));
    EXPECT_TRUE(whitish(101, 10));
    // The circle's edge is darker than its centre.
    EXPECT_LT(GetRValue(at(96, 10)), GetRValue(at(101, 10)));
}

TEST_F(TrackbarPaint, TheSelectionIsAWhiteLineInTheThinChannel) {
    TrackbarState s = trackbarAt(10, 26, false);
    s.channel = RECT{8, 5, 196, 20};
    s.selectionRange = true;
    s.selectionStart = 20;
    s.selectionEnd = 60;
    paint(s, false, 204, 34);
    // The thin channel's rows 11 to 14; the selection's outline covers rows 12
    // and 13 from x 47 to 119.
    for (int x : {60, 100}) {
        expectNear(x, 11, channelAt(kBackdrop, 0));
        for (int y : {12, 13}) expectNear(x, y, over(channelAt(kBackdrop, (y - 11) / 4.0), layer(looks::kWhite, 200)));
        expectNear(x, 14, channelAt(kBackdrop, 0.75));
    }
    expectNear(150, 12, channelAt(kBackdrop, 0.25));  // past the selection's end
    EXPECT_EQ(at(60, 9), kBackdrop);                  // outside the thin channel
}

TEST_F(TrackbarPaint, AVerticalTrackbarRunsDownwardsAndItsLineIsOnePixelWide) {
    TrackbarState s = trackbarAt(50, 0, false);
    s.vertical = true;
    s.channel = RECT{9, 8, 13, 152};
    s.thumb = RECT{2, 74, 23, 85};
    paint(s, false, 40, 160);
    // Below the thumb the channel alone, shading across its columns.
    for (int x : {9, 10, 11, 12}) expectNear(x, 120, channelAt(kBackdrop, (x - 9) / 4.0));
    // Above it the accent line in the channel's third column.
    for (int y : {12, 40, 70}) {
        expectNear(11, y, over(channelAt(kBackdrop, 0.5), layer(kAccent, 200)));
        expectNear(10, y, channelAt(kBackdrop, 0.25));
    }
    EXPECT_TRUE(whitish(10, 77));  // the small thumb's centre (7.5, 74, 6, 6)
    EXPECT_EQ(at(20, 40), kBackdrop);
}

TEST_F(TrackbarPaint, ThePanelLiesUnderEverythingWhenItsSwitchIsOn) {
    paint(trackbarAt(50, 96, false), true);
    // Inside the panel, away from the channel: white a160 shading to black a30.
    for (int y : {3, 15, 25})
        expectNear(3, y, over(colour(kBackdrop), mix(layer(looks::kWhite, 160), layer(looks::kBlack, 30), y / 29.0)));
    EXPECT_EQ(at(0, 0), kBackdrop);  // the rounded corner
    // The channel over the panel.
    const looks::Colour panel =
        over(colour(kBackdrop), mix(layer(looks::kWhite, 160), layer(looks::kBlack, 30), 10 / 29.0));
    expectNear(150, 10, over(panel, mix(layer(looks::kBlack, 50), layer(looks::kBlack, 40), 0.25)));
}

// ---- Progress bars: 310 x 16, and 20 x 88 vertical.

class ProgressPaint : public BarsPaint {
protected:
    void paint(int filled, bool vertical = false, int w = 310, int h = 16) {
        paintOn(w, h);
        paintProgressBar(canvas->dc(), RECT{0, 0, w, h}, ProgressLook{vertical, filled, kAccent});
    }
    // The trough: white a160 shading to black a30 across the bar (t).
    static looks::Colour trough(double t) {
        return over(colour(kBackdrop), mix(layer(looks::kWhite, 160), layer(looks::kBlack, 30), t));
    }
    // The accent bar over the trough: white a90 shading to the opaque accent.
    static looks::Colour bar(double troughT, double barT) {
        return over(trough(troughT), mix(layer(looks::kWhite, 90), layer(kAccent, 255), barT));
    }
};

TEST_F(ProgressPaint, EmptyShowsOutlineAndTroughOnly) {
    paint(0);
    EXPECT_EQ(at(0, 0), kBackdrop);  // outside the rounded outline
    for (int x : {5, 150, 300})
        for (int y : {3, 8, 12}) expectNear(x, y, trough(y / 15.0));
}

TEST_F(ProgressPaint, HalfFillsTheLeftHalfWithTheAccentBar) {
    paint(155);
    for (int x : {5, 80, 150})
        for (int y : {3, 8, 11}) expectNear(x, y, bar(y / 15.0, y / 15.0));
    for (int x : {158, 200, 300}) expectNear(x, 8, trough(8 / 15.0));
}

TEST_F(ProgressPaint, FullCoversTheBarButTheInsets) {
    paint(310);
    expectNear(300, 8, bar(8 / 15.0, 8 / 15.0));
    // The bar's own edge, accent a150, ends two pixels short of the right;
    // the last column is the control's dark outline.
    expectNear(308, 8, over(trough(8 / 15.0), layer(kAccent, 150)));
    expectNear(309, 8, over(colour(kBackdrop), layer(looks::kBlack, 50)));
}

TEST_F(ProgressPaint, AVerticalBarGrowsFromTheBottomAndShadesAcross) {
    paint(44, true, 20, 88);
    for (int x : {4, 10, 15}) {
        expectNear(x, 20, trough(x / 19.0));
        expectNear(x, 70, bar(x / 19.0, x / 19.0));
    }
}

}  // namespace
