#include "utils/UtClockArithmetic.h"

#include <cmath>

namespace ut {

double MegahertzFromTicks(uint64_t cycles, int64_t referenceTicks, int64_t referenceFrequency) {
    if (referenceTicks <= 0 || referenceFrequency <= 0) return 0.0;
    const double seconds = static_cast<double>(referenceTicks) / static_cast<double>(referenceFrequency);
    return static_cast<double>(cycles) / seconds / 1e6;
}

bool ClockEstimatesAgree(double first, double second, double third) {
    const double mean = (first + second + third) / 3.0;
    return std::fabs(first - mean) <= 3.0 && std::fabs(second - mean) <= 3.0 && std::fabs(third - mean) <= 3.0;
}

unsigned SettledClockMhz(const std::function<double()>& measureOnce) {
    double last[3] = {};
    for (int pass = 1; pass <= kMaxClockPasses; ++pass) {
        last[0] = last[1];
        last[1] = last[2];
        last[2] = measureOnce();
        if (pass >= 3 && ClockEstimatesAgree(last[0], last[1], last[2])) break;
    }
    const double mean = (last[0] + last[1] + last[2]) / 3.0;
    return mean > 0.0 ? static_cast<unsigned>(std::floor(mean + 0.5)) : 0u;
}

unsigned NormalizedMhz(unsigned mhz) {
    static constexpr unsigned kSteps[] = {0, 20, 33, 50, 60, 66, 80, 90, 100};
    const unsigned hundreds = mhz - mhz % 100;
    const unsigned digits = mhz % 100;
    unsigned best = kSteps[0];
    for (unsigned step : kSteps) {
        const unsigned distance = step > digits ? step - digits : digits - step;
        const unsigned bestDistance = best > digits ? best - digits : digits - best;
        if (distance <= bestDistance) best = step;  // ascending steps: a tie goes upward
    }
    return hundreds + best;
}

}  // namespace ut
