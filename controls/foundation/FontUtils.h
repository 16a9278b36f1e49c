#pragma once
// Font helpers: rotated copies for vertical captions, the TrueType test (only TrueType fonts
// rotate) and the least height a line of the font needs.

#include "classlib/win/Font.h"
#include "classlib/win/Handles.h"

namespace mw {

// The font turned by angle degrees counter-clockwise, bold or normal weight as the font is.
cl::TFontHandle CreateRotatedFont(const cl::TFont& font, int angle);
bool IsTrueTypeFont(const cl::TFont& font);
int GetMinFontHeight(const cl::TFont& font);

}  // namespace mw
