#pragma once
// Graphics constants: the identity matrix and the gamma table.

#include <array>
#include <cstdint>

namespace ut {

using FloatMatrix = std::array<std::array<long double, 3>, 3>;

inline constexpr FloatMatrix kIdentityMatrix = {{{1.0L, 0.0L, 0.0L}, {0.0L, 1.0L, 0.0L}, {0.0L, 0.0L, 1.0L}}};

constexpr double kGamma = 0.7;

using GammaTable = std::array<uint8_t, 256>;

// Entry i is 255 * (i / 255) ^ kGamma, rounded to the nearest integer (ties to even).
GammaTable BuildGammaTable();

// Builds the process-wide gamma table; only the first of several calls does the work.
void InitializeGraphics();
void FinalizeGraphics();

// The process-wide table: all zeros until the initialisation.
const GammaTable& GammaTableInUse();

}  // namespace ut
