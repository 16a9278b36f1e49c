#pragma once
// The process-wide choice of pixel-blending routines.

#include "utils/UtBlendRoutines.h"

namespace ut {

// With MMX (and on a processor family that has MMX routines) builds the MMX multiplier table
// and selects the MMX routines; otherwise selects the plain ones. Only the first of several
// calls does the work.
void InitializeGraphUtils(bool processorHasMmx);

// The call that balances the first initialisation frees the table and returns to the plain
// routines, which need none.
void FinalizeGraphUtils();

// The selected routines; the plain ones until the initialisation.
const BlendRoutines& BlendRoutinesInUse();

}  // namespace ut
