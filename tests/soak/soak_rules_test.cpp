#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "tests/soak/soak_rules.h"

namespace {

using namespace soak;

TEST(SoakRules, TheRoundsShareTheWorkExactlyAndEvenly) {
    for (int total : {0, 1, 4, 5, 9, 10, 11, 50, 99, 100, 1000, 10000}) {
        int sum = 0, least = total, most = 0;
        for (int r = 0; r < kRounds; ++r) {
            const int n = shareOfRound(total, r);
            sum += n;
            least = std::min(least, n);
            most = std::max(most, n);
        }
        EXPECT_EQ(sum, total) << total;
        EXPECT_LE(most - least, 1) << total;
    }
    EXPECT_EQ(shareOfRound(10, -1), 0);
    EXPECT_EQ(shareOfRound(10, kRounds), 0);
}

TEST(SoakRules, TheSlopeIsTheLeastSquaresGrowthPerRound) {
    struct Case {
        std::vector<double> values;
        double slope;
    } cases[] = {
        {{}, 0},
        {{5}, 0},
        {{1, 2, 3, 4}, 1},
        {{7, 7, 7, 7, 7, 7, 7, 7, 7, 7}, 0},
        {{10, 8, 6, 4}, -2},
        // One jump in the middle of a flat run is a small slope, not the jump.
        {{0, 0, 0, 0, 0, 10, 10, 10, 10, 10}, 125 / 82.5},
        {{3, 1, 3, 1, 3, 1}, -3 / 17.5},
    };
    for (const Case& c : cases) EXPECT_NEAR(slope(c.values), c.slope, 1e-9) << c.values.size();
}

TEST(SoakRules, ACountFailsOnGrowthBeyondItsMarginOrAnEndAwayFromItsStart) {
    const Margin margin{10, 2, 5};
    struct Case {
        std::vector<double> rounds;
        double reference;
        int scale;
        bool slopeOk, driftOk;
    } cases[] = {
        {{100, 101, 100, 101, 100, 101, 100, 101, 100, 101}, 100, 1, true, true},
        {{100, 110, 120, 130}, 100, 1, true, false},   // 10 a round: the margin itself, but the end drifts
        {{100, 111, 122, 133}, 100, 1, false, false},  // beyond 10 a round
        {{100, 103, 106, 109}, 105, 1, true, true},    // at full count 3 a round is allowed
        {{100, 103, 106, 109}, 105, 10, false, true},  // at a tenth only the floor of 2
        {{100, 101, 102, 103}, 100, 10, true, true},   // 1 a round, within the floor
        {{120, 110, 100, 90}, 100, 1, true, false},    // shrinking is no leak, but the end is far off
    };
    for (const Case& c : cases) {
        const Verdict v = judge(c.rounds, c.reference, margin, c.scale);
        EXPECT_EQ(v.slopeOk, c.slopeOk) << c.rounds[1] << " scale " << c.scale;
        EXPECT_EQ(v.driftOk, c.driftOk) << c.rounds[1] << " scale " << c.scale;
        EXPECT_EQ(v.ok(), c.slopeOk && c.driftOk);
    }
    EXPECT_DOUBLE_EQ(allowedSlope(margin, 1), 10);
    EXPECT_DOUBLE_EQ(allowedSlope(margin, 10), 2);
    EXPECT_DOUBLE_EQ(allowedSlope(margin, 2), 5);
}

}  // namespace
