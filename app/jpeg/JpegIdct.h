#pragma once
// The inverse discrete cosine transform of one 8 x 8 block, and the zig-zag order in which
// JPEG stores a block's coefficients.

#include <cstdint>

namespace quillon {

// kZigZag[i]: the natural (row-major) index of the i-th coefficient in stream order.
extern const uint8_t kZigZag[64];

// coefficients: dequantized, natural order. Writes the 64 samples, level-shifted back and
// clamped to 0..255, into out with stride bytes between rows.
void InverseDct(const float (&coefficients)[64], uint8_t* out, int stride);

}  // namespace quillon
