#pragma once
// The blending routines with MMX instructions (x86 only), and the multiplier table they read.
// The results may differ from the plain routines' by one per channel, except at the weights 0
// and 255, which give the background and the foreground exactly.

#include <cstdint>

#include "utils/UtBlendRoutines.h"

namespace ut {

// Entry i holds i in each of its four 16-bit lanes (two 32-bit words of i * 65537), the weight
// as the MMX multiply wants it; entry 128 doubles as the rounding bias added before the shift.
struct alignas(8) MmxBlendTable {
    uint32_t entries[256][2];
    const uint32_t* Bias() const { return entries[128]; }
};

// The MMX routines, or nullptr where the processor family has none. They read the table, so they
// may run only while it is built.
const BlendRoutines* MmxBlendRoutines();

// Builds the process-wide table (false, and nothing built, without MMX routines) and frees it.
bool BuildMmxBlendTable();
void FreeMmxBlendTable();

// The table while it is built, else nullptr.
const MmxBlendTable* MmxBlendTableInUse();

}  // namespace ut
