#pragma once
// Where a button's glyph sits next to its caption, as form resources name it.

#include "classlib/core/ClassInfo.h"

enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

namespace mw {
extern const cl::TEnumNames kButtonLayoutNames;
}
