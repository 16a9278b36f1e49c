#pragma once
// Questions to the processor's identification instruction (CPUID).

#include "utils/UtProcessorInfo.h"

namespace ut {

// Leaves 0 and 1, leaf 2 on Intel processors and the brand text of the extended leaves where
// the processor has them. Not present (and empty) when the identification flag (bit 21) of the
// flags register cannot be toggled: the processor predates the instruction.
CpuidReport ReadCpuidReport();

}  // namespace ut
