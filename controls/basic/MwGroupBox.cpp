#include "controls/basic/MwGroupBox.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

namespace {
const cl::TEnumNames kGroupBoxStyleNames{{{"gsStandard", 0}, {"gsCustom", 1}, {"gsTopLine", 2}, {"gsFlat", 3}}};
}

const cl::TClassInfo& TMwCustomGroupBox::StaticClass() {
    using G = TMwCustomGroupBox;
    static const auto info = cl::TClassBuilder<G>("TMwCustomGroupBox", TMwCustomPanel::StaticClass())
                                 .Enum<TGroupBoxStyle>("GroupStyle", &G::GroupStyle, &G::SetGroupStyle, kGroupBoxStyleNames)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwGroupBox::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwGroupBox>("TMwGroupBox", TMwCustomGroupBox::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomGroupBox::TMwCustomGroupBox(cl::TComponent* owner) : TMwCustomPanel(owner) {
    SetBorderOuter(TFrameStyle::None);
    SetBorderInner(TFrameStyle::None);
    SetAlignment(cl::TAlignment::LeftJustify);
    SetAlignmentVertical(TAlignmentVertical::Top);
    SetHeight(105);
}

void TMwCustomGroupBox::SetGroupStyle(TGroupBoxStyle style) {
    groupStyle_ = style;
    if (style == TGroupBoxStyle::Custom || style == TGroupBoxStyle::TopLine) SetThemeAware(false);
    Realign();
    Invalidate();
}

int TMwCustomGroupBox::TextHeight(const char* sample) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, sample, 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cy;
}

cl::TRect TMwCustomGroupBox::AlignArea() {
    cl::TRect r = TMwCustomPanel::AlignArea();
    const int h = TextHeight("Yy");
    if (groupStyle_ == TGroupBoxStyle::Custom) {
        r.top += h;
        return Inset(r, 2, 2);
    }
    const int t = h / 2 - 1;
    r.top += t < BorderWidth() ? t : h - BorderWidth();
    const int inset = groupStyle_ == TGroupBoxStyle::Standard ? 2 : 1;
    return Inset(r, inset, inset);
}

void TMwCustomGroupBox::Paint(cl::TCanvas& canvas) {
    if (groupStyle_ == TGroupBoxStyle::Custom) {
        TMwCustomPanel::Paint(canvas);
        return;
    }
    HDC dc = canvas.Handle();
    if (!Transparent()) FillSolid(dc, cl::TRect::FromBounds(0, 0, Width(), Height()), Color());
    const int half = TextHeight("Pp") / 2 - 1;
    const cl::TRect frame{0, half, Width(), Height()};
    const TFrameColors colors{FlatColor(), BorderHighlight(), BorderShadow(), BevelWidth()};
    const TSides sides = groupStyle_ == TGroupBoxStyle::TopLine ? sdTop : sdAll;
    TFrameStyle style = BorderOuter();
    if (style == TFrameStyle::None) style = groupStyle_ == TGroupBoxStyle::Flat ? TFrameStyle::Flat : TFrameStyle::Groove;
    PaintFrame(canvas, frame, style, sides, colors);

    if (Caption().empty()) return;
    canvas.Font().Assign(*Font());
    const int textWidth = canvas.TextWidth(Caption());
    const int left = groupStyle_ == TGroupBoxStyle::TopLine ? 0 : 8;
    const cl::TRect captionRect = cl::TRect::FromBounds(left, 0, textWidth, canvas.TextHeight(Caption()));
    FillSolid(dc, captionRect, Color());
    if (!Enabled()) canvas.Font().SetColor(cl::clBtnShadow);
    canvas.TextRect(captionRect, Caption(), DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
}

