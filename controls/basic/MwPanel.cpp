#include "controls/basic/MwPanel.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/ChildAlignment.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

namespace {
const cl::TEnumNames kGridStyleNames{{{"gsDots", 0}, {"gsDottedLines", 1}, {"gsSolidLines", 2}}};
}

const cl::TClassInfo& TMwCustomPanel::StaticClass() {
    using P = TMwCustomPanel;
    static const auto info =
        cl::TClassBuilder<P>("TMwCustomPanel", cl::TCustomControl::StaticClass())
            .Enum<TAlignmentVertical>("AlignmentVertical", &P::AlignmentVertical, &P::SetAlignmentVertical, kAlignmentVerticalNames)
            .Enum<cl::TAlignment>("Alignment", &P::Alignment, &P::SetAlignment, cl::kAlignmentNames)
            .Enum<TFrameStyle>("BorderOuter", &P::BorderOuter, &P::SetBorderOuter, kFrameStyleNames)
            .Enum<TFrameStyle>("BorderInner", &P::BorderInner, &P::SetBorderInner, kFrameStyleNames)
            .Set("BorderSides", &P::BorderSides, &P::SetBorderSides, kSideNames)
            .Int("BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
            .Int("BevelWidth", &P::BevelWidth, &P::SetBevelWidth)
            .Color("BorderColor", &P::BorderColor, &P::SetBorderColor)
            .Color("BorderHighlight", &P::BorderHighlight, &P::SetBorderHighlight)
            .Color("BorderShadow", &P::BorderShadow, &P::SetBorderShadow)
            .Color("FlatColor", &P::FlatColor, &P::SetFlatColor)
            .Int("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
            .Color("GridColor", &P::GridColor, &P::SetGridColor)
            .Enum<TGridStyle>("GridStyle", &P::GridStyle, &P::SetGridStyle, kGridStyleNames)
            .Int("GridXSize", &P::GridXSize, &P::SetGridXSize)
            .Int("GridYSize", &P::GridYSize, &P::SetGridYSize)
            .Bool("ShowGrid", &P::ShowGrid, &P::SetShowGrid)
            .Bool("Transparent", &P::Transparent, &P::SetTransparent)
            .Bool("ThemeAware", &P::ThemeAware, &P::SetThemeAware)
            .Bool("FullRepaint", &P::FullRepaint, &P::SetFullRepaint)
            .Bool("ShowDockClientCaptions", &P::ShowDockClientCaptions, &P::SetShowDockClientCaptions)
            .Bool("DockSite", &P::DockSite, &P::SetDockSite)
            .Bool("UseDockManager", &P::UseDockManager, &P::SetUseDockManager)
            .Event("OnMouseEnter", &P::OnMouseEnter)
            .Event("OnMouseLeave", &P::OnMouseLeave)
            .Event("OnPaint", &P::OnPaint)
            .Build();
    return *info;
}

const cl::TClassInfo& TMwPanel::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwPanel>("TMwPanel", TMwCustomPanel::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomPanel::TMwCustomPanel(cl::TComponent* owner) : cl::TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

cl::TRect TMwCustomPanel::AdjustRectForBorders(const cl::TRect& r, bool includeBand) const {
    cl::TRect result = includeBand ? Inset(r, borderWidth_, borderWidth_) : r;
    result = InsetSides(result, FrameBorderWidth(borderOuter_, bevelWidth_), borderSides_);
    return InsetSides(result, FrameBorderWidth(borderInner_, bevelWidth_), borderSides_);
}

void TMwCustomPanel::SetBounds(int left, int top, int width, int height) {
    if (Align() == cl::TAlign::Bottom && height != Height()) top = Top() + Height() - height;
    if (Align() == cl::TAlign::Right && width != Width()) left = Left() + Width() - width;
    cl::TCustomControl::SetBounds(left, top, width, height);
}

bool TMwCustomPanel::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    return cl::SameText(name, "FrameSides") && value.kind == cl::TValue::Kind::Set;
}

cl::TRect TMwCustomPanel::AlignArea() { return AdjustRectForBorders(ClientRect(), true); }

void TMwCustomPanel::AlignControls() { AlignChildrenIn(*this, AlignArea(), aligning_); }

void TMwCustomPanel::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left: OnMouseLeave(this); break;
        case TMouseTracking::TChange::None: break;
    }
    cl::TCustomControl::WndProc(m);
    // Our window class does not repaint a new text by itself.
    if (m.msg == WM_SETTEXT) Invalidate();
}

cl::TRect TMwCustomPanel::PaintFrameAndBackground(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const TFrameColors colors{flatColor_, borderHighlight_, borderShadow_, bevelWidth_};
    cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    r = PaintFrame(canvas, r, borderOuter_, borderSides_, colors);
    if (borderWidth_ > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borderWidth_, borderSides_);
    r = PaintFrame(canvas, r, borderInner_, borderSides_, colors);
    if (!transparent_) FillSolid(dc, r, Color());
    return r;
}

void TMwCustomPanel::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = PaintFrameAndBackground(canvas);
    if (showGrid_) DrawGrid(canvas, r);
    DrawCaption(canvas, r);
    OnPaint(this);
}

void TMwCustomPanel::DrawGrid(cl::TCanvas& canvas, const cl::TRect& r) {
    const int columns = gridXSize_ ? r.Width() / gridXSize_ : 0;
    const int rows = gridYSize_ ? r.Height() / gridYSize_ : 0;
    const COLORREF color = cl::ColorToRGB(gridColor_);
    HDC dc = canvas.Handle();
    for (int i = 1; i <= columns; ++i)
        for (int j = 1; j <= rows; ++j) SetPixel(dc, r.left + i * gridXSize_ - 1, r.top + j * gridYSize_ - 1, color);
}

void TMwCustomPanel::DrawCaption(cl::TCanvas& canvas, cl::TRect r) {
    const std::string& text = Caption();
    if (text.empty()) return;
    r.left += 1;
    const UINT align = alignment_ == cl::TAlignment::LeftJustify    ? DT_LEFT
                       : alignment_ == cl::TAlignment::RightJustify ? DT_RIGHT
                                                                    : DT_CENTER;
    const UINT flags = align | DT_WORDBREAK | DT_EXPANDTABS;
    HDC dc = canvas.Handle();
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    RECT measure{r.left, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, flags | DT_CALCRECT);
    const int h = measure.bottom - measure.top;
    if (alignmentVertical_ == TAlignmentVertical::Center) {
        r.top = static_cast<int>(static_cast<unsigned>(r.top + r.bottom - h) >> 1);
        r.bottom = r.top + h;
    } else if (alignmentVertical_ == TAlignmentVertical::Bottom) {
        r.top = r.bottom - h - 1;
    }
    SetBkMode(dc, TRANSPARENT);
    RECT rc{r.left, r.top, r.right, r.bottom};
    if (!Enabled()) {
        RECT shifted{rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1};
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnHighlight));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, flags);
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnShadow));
    } else {
        SetTextColor(dc, cl::ColorToRGB(Font()->Color()));
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
    SelectObject(dc, oldFont);
}

