#include "controls/foundation/DropDownArrows.h"

#include <vector>

#include "classlib/win/Font.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

namespace mw {

namespace {

// The arrow colour of the themed combo-box button, read from a drawn one.
cl::TColor ThemedArrowColor(HDC dc) {
    TMemoryBitmap button(dc, 17, 21);
    FillSolid(button.DC(), {0, 0, 17, 21}, cl::clWindow);
    ThemeServices().DrawElement(button.DC(), ThemeElementDetails(TThemedComboBox::DropDownButtonNormal), {0, 0, 16, 20});
    const auto pixel = static_cast<cl::TColor>(GetPixel(button.DC(), 8, 10));
    return HuesTooClose(pixel, cl::clWindow) ? cl::cl3DDkShadow : pixel;
}

void FillArrow(HDC dc, const std::vector<cl::TPoint>& points, bool themedLook, bool enabled) {
    const cl::TColor color = !enabled ? cl::clBtnShadow : themedLook ? ThemedArrowColor(dc) : cl::clBlack;
    std::vector<POINT> polygon;
    for (const cl::TPoint& p : points) polygon.push_back({p.x, p.y});
    cl::TBrushHandle brush(CreateSolidBrush(cl::ColorToRGB(color)));
    cl::TSelectObject selectBrush(dc, brush.Get());
    cl::TSelectObject noPen(dc, GetStockObject(NULL_PEN));
    Polygon(dc, polygon.data(), static_cast<int>(polygon.size()));
}

}  // namespace

void DrawSpinArrow(cl::TCanvas& canvas, const cl::TRect& r, bool themedLook, bool enabled, bool shifted) {
    FillArrow(canvas.Handle(), SpinArrowPoints(r, themedLook, shifted), themedLook, enabled);
}

void DrawDropDownArrow(cl::TCanvas& canvas, const cl::TRect& r, bool themedLook, bool enabled, bool pressed,
                       TArrowDirection direction) {
    FillArrow(canvas.Handle(), DropDownArrowPoints(r, themedLook, enabled && pressed, direction), themedLook, enabled);
}

}  // namespace mw
