#pragma once
// The frame vocabulary that every framed control of the library shares: border styles, sides,
// alignments, orientations and the other published enumerations, with the names that form
// resources store them by, and the border widths that every client-rectangle rule uses.

#include "classlib/core/BiDiMode.h"
#include "classlib/core/ClassInfo.h"
#include "classlib/core/Geometry.h"

enum class TAlignmentVertical { Top, Center, Bottom };
enum class TTextStyle { Normal, Raised, Recessed, Shadow };
enum class TOrientation { Horizontal, Vertical };
enum class TBarStyle { Traditional, LED };
enum class TFrameStyle { None, Flat, Groove, Bump, Lowered, ButtonDown, Raised, ButtonUp, Status, Popup, FlatBold };
enum class TFramingPreference { CustomFraming, XPThemes };
// Arrow direction of rapid-fire buttons.
enum class TMwScrollStyle { None, Left, Up, Right, Down };
enum class TSide { Left, Top, Right, Bottom };
enum class TMwHotTrackColorType { Complement, Actual };
// Reading order and alignment are the class library's (a property of every control).
using cl::TBiDiMode;
// Type of the read-only About property that every component of the library publishes.
enum class TMwAboutInfo { MerrowComponents };

// A set of sides: bit n is the side of ordinal n, as form resources store the set.
using TSides = unsigned;
constexpr TSides SideBit(TSide side) { return 1u << static_cast<unsigned>(side); }
constexpr TSides sdLeft = SideBit(TSide::Left), sdTop = SideBit(TSide::Top), sdRight = SideBit(TSide::Right),
                 sdBottom = SideBit(TSide::Bottom), sdAll = sdLeft | sdTop | sdRight | sdBottom;

namespace mw {

extern const cl::TEnumNames kAlignmentVerticalNames;
extern const cl::TEnumNames kTextStyleNames;
extern const cl::TEnumNames kOrientationNames;
extern const cl::TEnumNames kBarStyleNames;
extern const cl::TEnumNames kFrameStyleNames;
extern const cl::TEnumNames kFramingPreferenceNames;
extern const cl::TEnumNames kScrollStyleNames;
extern const cl::TEnumNames kSideNames;
extern const cl::TEnumNames kHotTrackColorTypeNames;
extern const cl::TEnumNames kAboutInfoNames;

// Pixels a border of this style takes on each side it is drawn on; fsStatus and fsPopup are
// as wide as the bevel.
int FrameBorderWidth(TFrameStyle style, int bevelWidth);

// The rectangle moved in by width on each of the given sides.
cl::TRect InsetSides(const cl::TRect& r, int width, TSides sides);
cl::TRect Inset(const cl::TRect& r, int dx, int dy);

// A rectangle of the given size centred in r (halves rounded toward zero).
cl::TRect CentredRect(const cl::TRect& r, int width, int height);

}  // namespace mw
