#include "utils/UtGraphics.h"

#include <cmath>

#include "utils/UtInitializationCount.h"

namespace ut {

namespace {

InitializationCount g_count;
GammaTable g_gamma{};

double RoundedHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

}  // namespace

GammaTable BuildGammaTable() {
    GammaTable table{};
    for (unsigned i = 0; i < table.size(); ++i)
        table[i] = static_cast<uint8_t>(RoundedHalfToEven(255.0 * std::pow(i / 255.0, kGamma)));
    return table;
}

void InitializeGraphics() {
    if (g_count.Enter()) g_gamma = BuildGammaTable();
}

void FinalizeGraphics() { g_count.Leave(); }

const GammaTable& GammaTableInUse() { return g_gamma; }

}  // namespace ut
