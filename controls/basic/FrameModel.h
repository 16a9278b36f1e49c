#pragma once
// The frame vocabulary that the library's framed controls share: border styles, sides,
// alignments and orientations, with the names that form resources store them by, and the
// border widths that every client-rectangle rule uses.

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Geometry.h"

enum class TFrameStyle { None, Flat, Groove, Bump, Lowered, ButtonDown, Raised, ButtonUp, Status, Popup, FlatBold };

// A set of sides, one bit each (the set members sdLeft, sdTop, sdRight, sdBottom).
using TSides = unsigned;
constexpr TSides sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8, sdAll = 15;

enum class TAlignmentVertical { Top, Center, Bottom };
enum class TOrientation { Horizontal, Vertical };
enum class TBarStyle { Traditional, LED };
enum class TFramingPreference { CustomFraming, XPThemes };
enum class TTextStyle { Normal, Raised, Recessed, Shadow };
enum class THotTrackColorType { Complement, Actual };
enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

namespace mw {

extern const cl::TEnumNames kFrameStyleNames;
extern const cl::TEnumNames kSideNames;
extern const cl::TEnumNames kAlignmentVerticalNames;
extern const cl::TEnumNames kOrientationNames;
extern const cl::TEnumNames kBarStyleNames;
extern const cl::TEnumNames kFramingPreferenceNames;
extern const cl::TEnumNames kTextStyleNames;
extern const cl::TEnumNames kHotTrackColorTypeNames;
extern const cl::TEnumNames kButtonLayoutNames;

// Pixels a border of this style takes on each side it is drawn on; fsStatus and fsPopup are
// as wide as the bevel.
int FrameBorderWidth(TFrameStyle style, int bevelWidth);

// The rectangle moved in by width on each of the given sides.
cl::TRect InsetSides(const cl::TRect& r, int width, TSides sides);
cl::TRect Inset(const cl::TRect& r, int dx, int dy);

}  // namespace mw
