#pragma once
// The arithmetic of the soak: how the work is shared out over its rounds,
// the slope of a count over the rounds, and the verdict on a count.
#include <span>
#include <string>

namespace soak {

inline constexpr int kRounds = 10;

// The part of `total` actions that round `round` (0-based) of `rounds` does:
// the rounds together do exactly `total`, each within one of the others.
int shareOfRound(int total, int round, int rounds = kRounds);

// The least-squares slope of the values over their positions 0, 1, 2, ...:
// how much the value grows per step.  0 for fewer than two values.
double slope(std::span<const double> values);

// What a count may do during the soak.
struct Margin {
    double slope;       // growth per round allowed at full count
    double slopeFloor;  // never less than this: what measuring itself may wobble per round
    double drift;       // |end - reference| allowed
};

struct Verdict {
    double slope = 0;
    double drift = 0;
    bool slopeOk = true;
    bool driftOk = true;
    bool ok() const { return slopeOk && driftOk; }
};

// The slope allowed for a run at 1/scale of the full count: a round does
// that much less, so a leak per action grows the count that much slower.
double allowedSlope(const Margin& margin, int scale);

// The counts after each round against the margin and the reference level
// (after start-up).
Verdict judge(std::span<const double> rounds, double reference, const Margin& margin, int scale);

}  // namespace soak
