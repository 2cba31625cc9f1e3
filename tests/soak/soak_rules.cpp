#include "tests/soak/soak_rules.h"

#include <algorithm>
#include <cmath>

namespace soak {

int shareOfRound(int total, int round, int rounds) {
    if (rounds <= 0 || round < 0 || round >= rounds) return 0;
    const long long t = total;
    return static_cast<int>(t * (round + 1) / rounds - t * round / rounds);
}

double slope(std::span<const double> values) {
    const std::size_t n = values.size();
    if (n < 2) return 0;
    double meanX = (n - 1) / 2.0, meanY = 0;
    for (double v : values) meanY += v;
    meanY /= static_cast<double>(n);
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = static_cast<double>(i) - meanX;
        sxy += dx * (values[i] - meanY);
        sxx += dx * dx;
    }
    return sxy / sxx;
}

double allowedSlope(const Margin& margin, int scale) {
    return std::max(margin.slope / std::max(scale, 1), margin.slopeFloor);
}

Verdict judge(std::span<const double> rounds, double reference, const Margin& margin, int scale) {
    Verdict v;
    v.slope = slope(rounds);
    v.drift = rounds.empty() ? 0 : rounds.back() - reference;
    v.slopeOk = v.slope <= allowedSlope(margin, scale);
    v.driftOk = std::fabs(v.drift) <= margin.drift;
    return v;
}

}  // namespace soak
