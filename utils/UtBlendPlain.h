#pragma once
// The blending routines in plain integer arithmetic, exactly rounded.

#include "utils/UtBlendRoutines.h"

namespace ut {

const BlendRoutines& PlainBlendRoutines();

}  // namespace ut
