#pragma once
// The reading order and alignment of a control's text.

#include "classlib/core/ClassInfo.h"

namespace cl {

// RightToLeft mirrors the reading and the alignment (and puts scroll bars at the left),
// RightToLeftNoAlign the reading and the scroll bars, RightToLeftReadingOnly only the reading.
enum class TBiDiMode { LeftToRight, RightToLeft, RightToLeftNoAlign, RightToLeftReadingOnly };

// The names of the modes in form resources ("bdRightToLeft").
extern const TEnumNames kBiDiModeNames;

}  // namespace cl
