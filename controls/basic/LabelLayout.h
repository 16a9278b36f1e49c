#pragma once
// The geometry of the library's label: its angle, the room its borders take, where rotated
// text starts, where each character of text laid along a curve goes, and the size that
// auto-sizing gives it.

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

// How the caption is turned: not at all, flat at Angle, or laid character by character along a
// curve round CenterPoint.
enum class TRotation { None, Flat, Curve };
enum class TCenterPoint {
    UpperLeft, UpperCenter, UpperRight, LeftCenter, Center, RightCenter, LowerLeft, LowerCenter, LowerRight
};
// Where the caption sits vertically.
enum class TTextLayout { Top, Center, Bottom };
enum class TLabelAlign { Left, Right, Center };

namespace mw {

extern const cl::TEnumNames kRotationNames;
extern const cl::TEnumNames kCenterPointNames;
extern const cl::TEnumNames kTextLayoutNames;

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize& o) const { return cx == o.cx && cy == o.cy; }
};

// Degrees in 0..359: negative angles count back from 360.
int NormalizeAngle(int degrees);

struct TLabelBorders {
    TFrameStyle outer = TFrameStyle::None;
    TFrameStyle inner = TFrameStyle::None;
    TSides sides = sdAll;
    int bevelWidth = 1;
    int borderWidth = 0;
};

// Pixels one of the label's border styles takes on a side (fsFlatBold draws nothing here).
int LabelFrameSize(TFrameStyle style, int bevelWidth);
// r less the outer and inner borders on their sides and the border width all round.
cl::TRect AdjustRectForBorders(const cl::TRect& r, const TLabelBorders& borders);

struct TAutoSizeInput {
    TSize text;  // the caption as measured
    TLabelBorders borders;
    TTextStyle textStyle = TTextStyle::Normal;
    int shadowDepth = 2;
    TRotation rotation = TRotation::None;
    int angle = 0;
};
// The size auto-sizing gives the label: the text grown by the borders and shadow, and turned
// to the extent it takes at the angle.
TSize AutoSizeExtent(const TAutoSizeInput& in);

// Where flat-rotated text is drawn: at (x, y), by its baseline or its top, centred on x or
// starting there.
struct TTextAnchor {
    int x = 0;
    int y = 0;
    bool baseline = false;
    bool centered = false;
    bool operator==(const TTextAnchor& o) const {
        return x == o.x && y == o.y && baseline == o.baseline && centered == o.centered;
    }
};

struct TFlatTextInput {
    int angle = 0;           // normalized
    TLabelAlign align = TLabelAlign::Left;
    cl::TRect r;             // the text rectangle (inside the borders)
    cl::TPoint centre;       // of the control
    int textHeight = 0;      // of "Pp"
    int textWidth = 0;       // of the caption
    int shadowOffset = 0;    // half the shadow depth for shadowed text, else 0
};
TTextAnchor FlatTextAnchor(const TFlatTextInput& in);

// The point that text along a curve turns round, and the radii it keeps from it.
cl::TPoint CurveAnchor(TCenterPoint point, int width, int height, int borderWidth);
TSize CurveRadii(TCenterPoint point, int width, int height, int borderWidth);
// Where the character at angle alpha (radians) goes, for characters textHeight high.
cl::TPoint CurveCharPosition(cl::TPoint anchor, TSize radii, double alpha, int textHeight);
// The font escapement (tenths of a degree) for a character at angle alpha.
int CurveEscapement(double alpha);

// How far the caption moves down for the vertical layout: measuredBottom is the bottom of the
// text measured in the text rectangle.
int LayoutOffset(TTextLayout layout, int height, int borderWidth, int measuredBottom);

}  // namespace mw
