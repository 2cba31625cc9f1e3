// Where skinned trackbars and progress bars put their parts, from what the
// controls report: pure values, no window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <optional>
#include <ostream>

#include "skin/controls/progress_bar.h"
#include "skin/controls/trackbar.h"

namespace gfx {
inline std::ostream& operator<<(std::ostream& o, const RectF& r) {
    return o << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
}  // namespace gfx

namespace {

using namespace skin;
using gfx::RectF;

// Channels and thumbs as the system reports them for the gallery's sizes: a
// 204 x 30 horizontal trackbar, a 204 x 34 one with a selection range, and
// 40 x 160 vertical ones (reported in client coordinates here).
constexpr RECT kChannel{8, 9, 196, 13};
constexpr RECT kSelectionChannel{8, 5, 196, 20};
constexpr RECT kVerticalChannel{9, 8, 13, 152};

TrackbarState horizontal(int position, int thumbLeft, bool hovered = false, int ticks = kTicksBottomOrRight,
                         RECT channel = kChannel) {
    TrackbarState s;
    s.tickPlacement = ticks;
    s.hovered = hovered;
    s.position = position;
    s.rangeMax = 100;
    s.channel = channel;
    s.thumb = RECT{thumbLeft, 2, thumbLeft + 11, 23};
    return s;
}

TrackbarState vertical(int position, int thumbTop, bool hovered, int ticks, RECT channel) {
    TrackbarState s = horizontal(position, 0, hovered, ticks, channel);
    s.vertical = true;
    s.thumb = RECT{2, thumbTop, 23, thumbTop + 11};
    return s;
}

struct ThumbCase {
    const char* name;
    TrackbarState state;
    RectF thumb;
    std::optional<RectF> travelled;
};

TEST(TrackbarGeometry, ThumbAndTravelledLine) {
    const ThumbCase cases[] = {
        {"small", horizontal(50, 96), {96, 7.5f, 6, 6}, RectF{9, 10, 86, 1}},
        {"small at the maximum sits 8 further, the line is 10 longer",
         horizontal(100, 185),
         {193, 7.5f, 6, 6},
         RectF{9, 10, 185, 1}},
        {"large", horizontal(50, 96, true), {96, 5, 11, 11}, RectF{9, 10, 86, 1}},
        {"large at the maximum stays on the system's thumb",
         horizontal(100, 185, true),
         {185, 5, 11, 11},
         RectF{9, 10, 185, 1}},
        {"large with ticks on both sides, one further across",
         horizontal(50, 96, true, kTicksBoth, RECT{8, 18, 196, 22}),
         {96, 15, 11, 11},
         RectF{9, 19, 86, 1}},
        {"large with ticks on top, two further across",
         horizontal(50, 96, true, kTicksTopOrLeft, RECT{8, 19, 196, 23}),
         {96, 17, 11, 11},
         RectF{9, 20, 86, 1}},
        {"without ticks as with ticks below", horizontal(50, 96, true, kNoTicks), {96, 5, 11, 11}, RectF{9, 10, 86, 1}},
        {"at the minimum no line", horizontal(0, 8), {8, 7.5f, 6, 6}, std::nullopt},
        {"vertical small",
         vertical(50, 74, false, kTicksBottomOrRight, kVerticalChannel),
         {7.5f, 74, 6, 6},
         RectF{11, 8, 0, 65}},
        {"vertical small at the maximum",
         vertical(100, 141, false, kTicksBottomOrRight, kVerticalChannel),
         {7.5f, 149, 6, 6},
         RectF{11, 8, 0, 142}},
        {"vertical large",
         vertical(50, 74, true, kTicksBottomOrRight, kVerticalChannel),
         {5, 74, 11, 11},
         RectF{11, 8, 0, 65}},
        {"vertical large, both sides",
         vertical(50, 74, true, kTicksBoth, RECT{18, 8, 22, 152}),
         {15, 74, 11, 11},
         RectF{20, 8, 0, 65}},
        {"vertical large, left",
         vertical(50, 74, true, kTicksTopOrLeft, RECT{19, 8, 23, 152}),
         {17, 74, 11, 11},
         RectF{21, 8, 0, 65}},
        {"vertical reported with the axes exchanged",
         vertical(50, 74, true, kTicksBottomOrRight, RECT{8, 9, 152, 13}),
         {5, 74, 11, 11},
         RectF{11, 8, 0, 65}},
    };
    for (const ThumbCase& c : cases) {
        const TrackbarLayout k = trackbarLayout(c.state);
        EXPECT_EQ(k.thumb, c.thumb) << c.name;
        EXPECT_EQ(k.largeThumb, c.state.hovered) << c.name;
        EXPECT_EQ(k.travelled, c.travelled) << c.name;
    }
}

TEST(TrackbarGeometry, ChannelIsTheReportedOneOrAThinCentredOneWithASelectionRange) {
    EXPECT_EQ(trackbarLayout(horizontal(0, 8)).channel, (RectF{8, 9, 188, 4}));
    EXPECT_EQ(trackbarLayout(vertical(0, 8, false, kTicksBottomOrRight, kVerticalChannel)).channel,
              (RectF{9, 8, 4, 144}));
    TrackbarState s = horizontal(0, 8, false, kTicksBottomOrRight, kSelectionChannel);
    s.selectionRange = true;
    // 15 thick: centred 4 thick, 5.5 rounded to 6 further across.
    EXPECT_EQ(trackbarLayout(s).channel, (RectF{8, 11, 188, 4}));
    s.vertical = true;
    s.channel = RECT{5, 8, 20, 152};
    EXPECT_EQ(trackbarLayout(s).channel, (RectF{11, 8, 4, 144}));
}

struct SelectionCase {
    const char* name;
    int rangeMin, rangeMax, start, end;
    bool vertical;
    std::optional<RectF> selection;
};

TEST(TrackbarGeometry, SelectionIsPlacedFromTheRangeMinimum) {
    // A channel 188 long from 8, cross origin 11.
    const SelectionCase cases[] = {
        {"20 to 60 of 0 to 100", 0, 100, 20, 60, false, RectF{47, 12, 72, 1}},
        {"the same share of 50 to 150", 50, 150, 70, 110, false, RectF{47, 12, 72, 1}},
        {"the same share of -100 to 100", -100, 100, -60, 20, false, RectF{47, 12, 72, 1}},
        {"vertical", 0, 100, 20, 60, true, RectF{12, 45, 2, 75}},
        {"the whole range", 0, 100, 0, 100, false, RectF{9, 12, 185, 1}},
        {"clamped to the range", 0, 100, -50, 150, false, RectF{9, 12, 185, 1}},
        {"nothing selected", 0, 100, 40, 40, false, std::nullopt},
        {"a reversed selection selects nothing", 0, 100, 60, 20, false, std::nullopt},
        {"a range of zero width", 50, 50, 50, 50, false, std::nullopt},
        {"a reversed range", 100, 0, 20, 60, false, std::nullopt},
    };
    for (const SelectionCase& c : cases) {
        TrackbarState s = c.vertical ? vertical(c.rangeMin, 8, false, kTicksBottomOrRight, RECT{5, 8, 20, 196})
                                     : horizontal(c.rangeMin, 8, false, kTicksBottomOrRight, kSelectionChannel);
        s.selectionRange = true;
        s.rangeMin = c.rangeMin;
        s.rangeMax = c.rangeMax;
        s.selectionStart = c.start;
        s.selectionEnd = c.end;
        EXPECT_EQ(trackbarLayout(s).selection, c.selection) << c.name;
    }
    // Without the style nothing is selected, whatever the trackbar says.
    TrackbarState plain = horizontal(0, 8);
    plain.selectionStart = 20;
    plain.selectionEnd = 60;
    EXPECT_EQ(trackbarLayout(plain).selection, std::nullopt);
}

struct FillCase {
    int position, low, high, length, filled;
};

TEST(ProgressGeometry, FilledLengthIsThePositionsShareOfTheRangeTruncated) {
    const FillCase cases[] = {
        {0, 0, 100, 310, 0},
        {50, 0, 100, 310, 155},
        {100, 0, 100, 310, 310},
        {1, 0, 3, 10, 3},  // 3.33 truncated
        {2, 0, 3, 10, 6},  // 6.67 truncated
        {30, 20, 50, 100, 33},
        {150, 0, 100, 310, 310},  // held inside the range
        {-5, 0, 100, 310, 0},
        {10, 10, 10, 100, 0},                   // an empty range fills nothing
        {20, 50, 20, 100, 0},                   // nor does a reversed one
        {INT_MAX, INT_MIN, INT_MAX, 300, 300},  // no overflow of the product
        {0, INT_MIN, INT_MAX, 300, 150},
        {50, 0, 100, 0, 0},
    };
    for (const FillCase& c : cases)
        EXPECT_EQ(progressFill(c.position, c.low, c.high, c.length), c.filled)
            << c.position << " of " << c.low << ".." << c.high << " over " << c.length;
}

struct ShapeCase {
    const char* name;
    SIZE size;
    bool vertical;
    int filled;
    std::optional<RectF> bar;
    gfx::PointF from{}, to{};
};

TEST(ProgressGeometry, TheBarIsInsetOneOnTheLeadingAndTwoOnTheTrailingSides) {
    const ShapeCase cases[] = {
        {"empty", {310, 16}, false, 0, std::nullopt},
        {"half", {310, 16}, false, 155, RectF{1, 1, 152, 13}, {0, 0}, {0, 15}},
        {"full", {310, 16}, false, 310, RectF{1, 1, 307, 13}, {0, 0}, {0, 15}},
        {"narrower than its insets", {310, 16}, false, 3, std::nullopt},
        {"just wider than its insets", {310, 16}, false, 4, RectF{1, 1, 1, 13}, {0, 0}, {0, 15}},
        {"a control too low for the insets", {310, 3}, false, 310, std::nullopt},
        {"vertical half grows from the bottom", {20, 88}, true, 44, RectF{1, 45, 17, 41}, {0, 44}, {19, 44}},
        {"vertical full", {20, 88}, true, 88, RectF{1, 1, 17, 85}, {0, 0}, {19, 0}},
        {"vertical too narrow", {3, 88}, true, 88, std::nullopt},
    };
    for (const ShapeCase& c : cases) {
        const auto shape = progressBarShape(c.size, c.vertical, c.filled);
        ASSERT_EQ(shape.has_value(), c.bar.has_value()) << c.name;
        if (!shape) continue;
        EXPECT_EQ(shape->bar, *c.bar) << c.name;
        EXPECT_EQ(shape->from.x, c.from.x) << c.name;
        EXPECT_EQ(shape->from.y, c.from.y) << c.name;
        EXPECT_EQ(shape->to.x, c.to.x) << c.name;
        EXPECT_EQ(shape->to.y, c.to.y) << c.name;
    }
}

}  // namespace
