#include "classlib/win/Pen.h"

#include "classlib/core/ClassBuilder.h"

namespace cl {

namespace {
const TEnumNames kPenStyleNames{{{"psSolid", 0}, {"psDash", 1}, {"psDot", 2}, {"psDashDot", 3}, {"psDashDotDot", 4}, {"psClear", 5}}};
}

const TClassInfo& TPen::StaticClass() {
    static const auto info = TClassBuilder<TPen>("TPen", TPersistent::StaticClass())
                                 .Color("Color", &TPen::Color, &TPen::SetColor)
                                 .Int("Width", &TPen::Width, &TPen::SetWidth)
                                 .Enum<TPenStyle>("Style", &TPen::Style, &TPen::SetStyle, kPenStyleNames)
                                 .Build();
    return *info;
}

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    OnChange(this);
}

void TPen::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    OnChange(this);
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    OnChange(this);
}

void TPen::Assign(const TPen& other) {
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    OnChange(this);
}

}  // namespace cl
