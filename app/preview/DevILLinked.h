#pragma once
// The DevIL calls of a DevIL linked into the program (host builds, where the system has
// DevIL): the conversion can be tested on the host with the real library.

#include "app/preview/ImageConversion.h"

namespace quillon {

TDevILCalls LinkedDevILCalls();

}  // namespace quillon
