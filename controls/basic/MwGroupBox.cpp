#include "controls/basic/MwGroupBox.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "controls/basic/GlyphButtonLayout.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/ParentBackground.h"

using namespace mw;

namespace {
const cl::TEnumNames kGroupBoxStyleNames{{{"gsStandard", 0}, {"gsCustom", 1}, {"gsTopLine", 2}, {"gsFlat", 3}}};
}

const cl::TClassInfo& TMwCustomGroupBox::StaticClass() {
    using G = TMwCustomGroupBox;
    static const auto info = cl::TClassBuilder<G>("TMwCustomGroupBox", TMwCustomPanel::StaticClass())
                                 .Enum<TMwGroupBoxStyle>("GroupStyle", &G::GroupStyle, &G::SetGroupStyle, kGroupBoxStyleNames)
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

void TMwCustomGroupBox::SetGroupStyle(TMwGroupBoxStyle style) {
    groupStyle_ = style;
    if (style == TMwGroupBoxStyle::Custom || style == TMwGroupBoxStyle::TopLine) SetThemeAware(false);
    // The style decides where the children go, too.
    Realign();
    Invalidate();
}

bool TMwCustomGroupBox::CanFocusGroup() const {
    for (const cl::TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TMwCustomGroupBox::WndProc(cl::TMessage& m) {
    if (m.msg == cl::CM_DIALOGCHAR && mw::IsCaptionAccelerator(Caption(), static_cast<char>(m.wParam)) &&
        CanFocusGroup()) {
        cl::TControl* first = nullptr;
        for (int i = 0; i < ControlCount(); ++i) {
            cl::TControl* child = Controls(i);
            if (!child->Visible() || !child->Enabled()) continue;
            if (!first || (child->TabOrder() >= 0 && (first->TabOrder() < 0 || child->TabOrder() < first->TabOrder())))
                first = child;
        }
        if (first) {
            first->SetFocus();
            m.result = 1;
            return;
        }
    }
    TMwCustomPanel::WndProc(m);
}

void TMwCustomGroupBox::FontChanged() {
    TMwCustomPanel::FontChanged();
    Realign();
}

int TMwCustomGroupBox::TextHeight(const char* sample) {
    const cl::TScreenDC dc;
    const HGDIOBJ old = SelectObject(dc.Handle(), Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc.Handle(), sample, 2, &size);
    SelectObject(dc.Handle(), old);
    return size.cy;
}

cl::TRect TMwCustomGroupBox::AlignArea() {
    // The panel's own client adjustment (the BorderWidth band), the title, then the borders.
    const cl::TRect client = Inset(ClientRect(), BorderWidth(), BorderWidth());
    return AdjustRectForBorders(GroupBoxClientRect(client, groupStyle_, TextHeight("Yy"), BorderWidth()), false);
}

void TMwCustomGroupBox::Paint(cl::TCanvas& canvas) {
    canvas.Font().Assign(*Font());
    const bool hasCaption = !Caption().empty();
    cl::TRect captionRect = GroupBoxCaptionRect(groupStyle_, hasCaption, hasCaption ? canvas.TextWidth(Caption()) : 0,
                                                hasCaption ? canvas.TextHeight(Caption()) : 0, UseRightToLeftAlignment(), Width());
    if (ThemeAware() && ThemeServices().ThemesEnabled()) PaintThemed(canvas, captionRect);
    else if (groupStyle_ == TMwGroupBoxStyle::Custom) TMwCustomPanel::Paint(canvas);
    else PaintClassic(canvas, captionRect);
}

void TMwCustomGroupBox::PaintThemed(cl::TCanvas& canvas, const cl::TRect& captionRect) {
    HDC dc = canvas.Handle();
    if (!Transparent()) PaintParentBackground(*this, dc);
    const int half = TextHeight("Pp") / 2 - 1;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, captionRect.left, captionRect.top, captionRect.right, captionRect.bottom);
    const TThemedElementDetails box =
        ThemeElementDetails(Enabled() ? TThemedButton::GroupBoxNormal : TThemedButton::GroupBoxDisabled);
    ThemeServices().DrawElement(dc, box, {0, half, Width(), Height()});
    RestoreDC(dc, saved);
    if (!Caption().empty()) ThemeServices().DrawElementText(dc, box, Caption(), captionRect, 0, 0);
}

void TMwCustomGroupBox::PaintClassic(cl::TCanvas& canvas, const cl::TRect& captionRect) {
    HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    if (Transparent()) ExcludeClipRect(dc, captionRect.left, captionRect.top, captionRect.right, captionRect.bottom);
    else FillSolid(dc, GetControlRect(), Color());
    const int half = TextHeight("Pp") / 2 - 1;
    PaintFrameLines(canvas, {0, half, Width(), Height()});

    if (Caption().empty()) {
        RestoreDC(dc, saved);
        return;
    }
    if (!Transparent()) FillSolid(dc, captionRect, Color());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    if (Enabled()) {
        SetTextColor(dc, cl::ColorToRGB(Font()->Color()));
    } else {
        RECT shifted{captionRect.left + 1, captionRect.top + 1, captionRect.right + 1, captionRect.bottom + 1};
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnHighlight));
        DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &shifted,
                  DT_SINGLELINE | DrawTextBiDiModeFlagsReadingOnly());
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnShadow));
    }
    RestoreDC(dc, saved);  // the title is drawn without the clipping
    RECT rc{captionRect.left, captionRect.top, captionRect.right, captionRect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, Font()->Handle());
    SetTextColor(dc, cl::ColorToRGB(Enabled() ? Font()->Color() : cl::clBtnShadow));
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &rc, DT_SINGLELINE | DrawTextBiDiModeFlagsReadingOnly());
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void TMwCustomGroupBox::PaintFrameLines(cl::TCanvas& canvas, const cl::TRect& frame) {
    const cl::TColor flat = ShadedFlatColor();
    const TFrameStyle style = BorderOuter();
    const bool flatStyle = style == TFrameStyle::Flat || style == TFrameStyle::FlatBold;
    switch (groupStyle_) {
        case TMwGroupBoxStyle::Standard:
            if (flatStyle) PaintBevel(canvas, frame, flat, flat, style == TFrameStyle::FlatBold ? 2 : 1, sdAll);
            else PaintBorderSides(canvas, frame, style == TFrameStyle::None ? TFrameStyle::Groove : style, sdAll);
            break;
        case TMwGroupBoxStyle::TopLine:
            if (flatStyle) {
                canvas.SetPenColor(flat);
                for (int y = frame.top; y < frame.top + (style == TFrameStyle::FlatBold ? 2 : 1); ++y) {
                    canvas.MoveTo(frame.left + 2, y);
                    canvas.LineTo(frame.right - 2, y);
                }
            } else {
                PaintBorderSides(canvas, frame, style == TFrameStyle::None ? TFrameStyle::Groove : style, sdTop);
            }
            break;
        case TMwGroupBoxStyle::Flat: {
            const TStrokes outline = FlatGroupOutline(frame);
            canvas.SetPenColor(flat);
            for (const TLine& line : outline.lines) {
                canvas.MoveTo(line.from.x, line.from.y);
                canvas.LineTo(line.to.x, line.to.y);
            }
            for (const cl::TPoint& p : outline.pixels) SetPixel(canvas.Handle(), p.x, p.y, cl::ColorToRGB(flat));
            break;
        }
        case TMwGroupBoxStyle::Custom: break;
    }
}
