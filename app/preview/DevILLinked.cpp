#include "app/preview/DevILLinked.h"

#include <IL/il.h>

namespace quillon {

// Taking the addresses checks that our declarations match DevIL's own.
TDevILCalls LinkedDevILCalls() { return {&::ilInit, &::ilLoadImage, &::ilConvertImage, &::ilSaveImage}; }

static_assert(kIL_BGR == IL_BGR && kIL_UNSIGNED_BYTE == IL_UNSIGNED_BYTE);

}  // namespace quillon
