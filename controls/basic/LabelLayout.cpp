#include "controls/basic/LabelLayout.h"

#include <cmath>

namespace mw {

const cl::TEnumNames kRotationNames{{{"roNone", 0}, {"roFlat", 1}, {"roCurve", 2}}};
const cl::TEnumNames kCenterPointNames{{{"cpUpperLeft", 0}, {"cpUpperCenter", 1}, {"cpUpperRight", 2},
                                        {"cpLeftCenter", 3}, {"cpCenter", 4}, {"cpRightCenter", 5},
                                        {"cpLowerLeft", 6}, {"cpLowerCenter", 7}, {"cpLowerRight", 8}}};
const cl::TEnumNames kTextLayoutNames{{{"tlTop", 0}, {"tlCenter", 1}, {"tlBottom", 2}}};

namespace {
constexpr double kPi = 3.14159265358979323846;

// Halves go to the even neighbour, as the rest of the drawing code rounds.
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

int NormalizeAngle(int degrees) { return (degrees % 360 + 360) % 360; }

int LabelFrameSize(TFrameStyle style, int bevelWidth) {
    switch (style) {
        case TFrameStyle::None:
        case TFrameStyle::FlatBold: return 0;
        case TFrameStyle::Flat: return 1;
        case TFrameStyle::Status:
        case TFrameStyle::Popup: return bevelWidth;
        default: return 2;
    }
}

cl::TRect AdjustRectForBorders(const cl::TRect& r, const TLabelBorders& b) {
    cl::TRect result = InsetSides(r, LabelFrameSize(b.outer, b.bevelWidth), b.sides);
    result = InsetSides(result, LabelFrameSize(b.inner, b.bevelWidth), b.sides);
    return Inset(result, b.borderWidth, b.borderWidth);
}

TSize AutoSizeExtent(const TAutoSizeInput& in) {
    TSize size = in.text;
    const bool turned = in.rotation == TRotation::Flat && in.angle != 0 && in.angle != 180;
    if (turned) {
        if (in.textStyle == TTextStyle::Shadow) {
            size.cx += in.shadowDepth / 2;
            size.cy += in.shadowDepth / 2;
        }
        double phi = (in.angle % 90) * kPi / 180;
        if (in.angle == 90 || in.angle == 270) phi += kPi / 2;
        const double c = std::cos(phi), s = std::sin(phi);
        size = {Round(c * size.cx + s * size.cy), Round(c * size.cy + s * size.cx)};
    } else if (in.textStyle == TTextStyle::Shadow) {
        size.cx += in.shadowDepth;
        size.cy += in.shadowDepth;
    }
    // The borders stay upright round whatever the text does.
    const cl::TRect frame = AdjustRectForBorders({0, 0, 0, 0}, in.borders);
    size.cx += frame.left - frame.right;
    size.cy += frame.top - frame.bottom;
    return size;
}

TTextAnchor FlatTextAnchor(const TFlatTextInput& in) {
    const double theta = in.angle * kPi / 180 + kPi / 2;
    const double q = in.textHeight / 4.0;
    const int e = in.shadowOffset;
    const int w = in.textWidth + e;
    const cl::TRect& r = in.r;
    const cl::TPoint& p = in.centre;
    const int aroundX = p.x - Round(std::cos(theta) * q);
    auto pick = [&](int centred, int right, int left) {
        return in.align == TLabelAlign::Center ? centred : in.align == TLabelAlign::Right ? right : left;
    };
    switch (in.angle) {
        case 0:
            return {pick(p.x, r.right - in.textWidth - 2 * e, r.left + e), p.y - (in.textHeight + e) / 2, false,
                    in.align == TLabelAlign::Center};
        case 90:
            return {aroundX, pick(r.bottom - (r.bottom - w) / 2, r.top + e + w, r.bottom - e), true, false};
        case 180:
            return {pick(r.right - (r.right - w) / 2, r.left + w, r.right - e), p.y - (in.textHeight + e) / 4, true,
                    false};
        case 270:
            return {aroundX, pick((r.bottom - w) / 2, r.bottom - w - e, r.top + e), true, false};
        default:
            return {aroundX, p.y + Round(std::sin(theta) * q), true, true};
    }
}

cl::TPoint CurveAnchor(TCenterPoint point, int width, int height, int b) {
    const int col = static_cast<int>(point) % 3, row = static_cast<int>(point) / 3;
    const int xs[] = {b, width / 2, width - b};
    const int ys[] = {b, height / 2, height - b};
    return {xs[col], ys[row]};
}

TSize CurveRadii(TCenterPoint point, int width, int height, int b) {
    const int d = 2 * b;
    switch (point) {
        case TCenterPoint::UpperCenter:
        case TCenterPoint::LowerCenter: return {width / 2 - d, height - d};
        case TCenterPoint::LeftCenter:
        case TCenterPoint::RightCenter: return {width - d, height / 2 - d};
        case TCenterPoint::Center: return {width / 2 - d, height / 2 - d};
        default: return {width - d, height - d};
    }
}

cl::TPoint CurveCharPosition(cl::TPoint anchor, TSize radii, double alpha, int textHeight) {
    return {anchor.x - Round(std::sin(alpha) * (radii.cx - textHeight)),
            anchor.y - Round(std::cos(alpha) * (radii.cy - textHeight))};
}

int CurveEscapement(double alpha) { return Round(alpha * 1800 / kPi); }

int LayoutOffset(TTextLayout layout, int height, int borderWidth, int measuredBottom) {
    const int room = height - borderWidth - measuredBottom;
    switch (layout) {
        case TTextLayout::Top: return 0;
        case TTextLayout::Center: return room / 2;
        case TTextLayout::Bottom: return room;
    }
    return 0;
}

}  // namespace mw
