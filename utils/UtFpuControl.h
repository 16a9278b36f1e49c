#pragma once
// The x87 floating-point unit's control word.

#include <cstdint>

namespace ut {

// All six exceptions masked, 64-bit precision, rounding to nearest (and the affine-infinity bit).
constexpr uint16_t kAllExceptionsMaskedControlWord = 0x133F;

// Loads the control word; does nothing on a processor without an x87 unit.
void SetFpuControlWord(uint16_t controlWord);

// The current control word; 0 on a processor without an x87 unit.
uint16_t FpuControlWord();

}  // namespace ut
