#include "controls/basic/ButtonLayout.h"

namespace mw {
const cl::TEnumNames kButtonLayoutNames{{{"blGlyphLeft", 0}, {"blGlyphRight", 1}, {"blGlyphTop", 2}, {"blGlyphBottom", 3}}};
}
