#include "controls/basic/MwLabel.h"

#include <cmath>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Handles.h"
#include "controls/basic/ButtonCaption.h"
#include "controls/foundation/FontUtils.h"
#include "controls/foundation/MwBlinkingControls.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/ParentBackground.h"

using namespace mw;
using cl::TRect;

namespace {

constexpr double kPi = 3.14159265358979323846;

RECT ToRECT(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The font of the label turned to an escapement in tenths of a degree.
cl::TFontHandle FontAtEscapement(const cl::TFont& font, int tenths) {
    LOGFONTA log{};
    GetObjectA(font.Handle(), sizeof(log), &log);
    log.lfEscapement = tenths;
    log.lfOrientation = tenths;
    return cl::TFontHandle(CreateFontIndirectA(&log));
}

// Draws text at (x, y) by the alignment already set on dc, clipped to r.
void TextAt(HDC dc, int x, int y, const TRect& r, const std::string& text, cl::TColor color) {
    SetTextColor(dc, cl::ColorToRGB(color));
    const RECT clip = ToRECT(r);
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace

const cl::TClassInfo& TMwLabel::StaticClass() {
    using L = TMwLabel;
    static const auto info =
        cl::TClassBuilder<L>("TMwLabel", cl::TCustomControl::StaticClass())
            .Creatable()
            .Enum<TMwAboutInfo>("About", &L::About, &L::SetAbout, kAboutInfoNames)
            .Enum<cl::TAlignment>("Alignment", &L::Alignment, &L::SetAlignment, cl::kAlignmentNames)
            .Int("Angle", &L::Angle, &L::SetAngle)
            .Bool("AutoSize", &L::AutoSize, &L::SetAutoSize)
            .Int("BevelWidth", &L::BevelWidth, &L::SetBevelWidth)
            .Color("BlinkColor", &L::BlinkColor, &L::SetBlinkColor)
            .Bool("Blinking", &L::Blinking, &L::SetBlinking)
            .Int("BlinkIntervalOff", &L::BlinkIntervalOff, &L::SetBlinkIntervalOff)
            .Int("BlinkIntervalOn", &L::BlinkIntervalOn, &L::SetBlinkIntervalOn)
            .Color("BorderColor", &L::BorderColor, &L::SetBorderColor)
            .Color("BorderHighlight", &L::BorderHighlight, &L::SetBorderHighlight)
            .Enum<TFrameStyle>("BorderInner", &L::BorderInner, &L::SetBorderInner, kFrameStyleNames)
            .Enum<TFrameStyle>("BorderOuter", &L::BorderOuter, &L::SetBorderOuter, kFrameStyleNames)
            .Color("BorderShadow", &L::BorderShadow, &L::SetBorderShadow)
            .Set("BorderSides", &L::BorderSides, &L::SetBorderSides, kSideNames)
            .Int("BorderWidth", &L::BorderWidth, &L::SetBorderWidth)
            .Enum<TCenterPoint>("CenterPoint", &L::CenterPoint, &L::SetCenterPoint, kCenterPointNames)
            .Color("FlatColor", &L::FlatColor, &L::SetFlatColor)
            .Color("FlyByColor", &L::FlyByColor, &L::SetFlyByColor)
            .Bool("FlyByEnabled", &L::FlyByEnabled, &L::SetFlyByEnabled)
            .Color("HighlightColor", &L::HighlightColor, &L::SetHighlightColor)
            .Enum<TTextLayout>("Layout", &L::Layout, &L::SetLayout, kTextLayoutNames)
            .Bool("LightTextStyle", &L::LightTextStyle, &L::SetLightTextStyle)
            .Enum<TRotation>("Rotation", &L::Rotation, &L::SetRotation, kRotationNames)
            .Color("ShadowColor", &L::ShadowColor, &L::SetShadowColor)
            .Int("ShadowDepth", &L::ShadowDepth, &L::SetShadowDepth)
            .Bool("ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar)
            .Enum<TTextStyle>("TextStyle", &L::TextStyle, &L::SetTextStyle, kTextStyleNames)
            .Bool("Transparent", &L::Transparent, &L::SetTransparent)
            .Bool("WordWrap", &L::WordWrap, &L::SetWordWrap)
            .Event("OnMouseEnter", &L::OnMouseEnter)
            .Event("OnMouseLeave", &L::OnMouseLeave)
            .Build();
    return *info;
}

TMwLabel::TMwLabel(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 65, 13);
    SetParentColor(true);
    normalColor_ = drawnColor_ = Font()->Color();
    JoinBlinkingControls(*this);
}

TMwLabel::~TMwLabel() { LeaveBlinkingControls(*this); }

// ---- properties ----

void TMwLabel::SetAlignment(cl::TAlignment v) {
    if (!cl::StoreIfChanged(alignment_, v)) return;
    Invalidate();
}

void TMwLabel::SetWordWrap(bool v) {
    if (!cl::StoreIfChanged(wordWrap_, v)) return;
    AdjustBounds();
    Invalidate();
}

void TMwLabel::SetAutoSize(bool v) {
    if (!cl::StoreIfChanged(autoSize_, v)) return;
    AdjustBounds();
}

void TMwLabel::SetShowAccelChar(bool v) {
    if (!cl::StoreIfChanged(showAccelChar_, v)) return;
    AdjustBounds();
    Invalidate();
}

void TMwLabel::SetTextStyle(TTextStyle v) {
    if (!cl::StoreIfChanged(textStyle_, v)) return;
    AdjustBounds();
    Invalidate();
}

void TMwLabel::SetShadowDepth(int v) {
    if (!cl::StoreIfChanged(shadowDepth_, v)) return;
    AdjustBounds();
    Invalidate();
}

bool TMwLabel::FontIsTrueType() { return IsTrueTypeFont(*Font()); }

void TMwLabel::UseTrueTypeFont() {
    if (!IsLoading() && !FontIsTrueType()) Font()->SetName("Verdana");
}

void TMwLabel::SetAngle(int v) {
    v = NormalizeAngle(v);
    if (v == angle_) return;
    // The font changes first, so that its change does not see a turn of a non-TrueType font.
    if (v != 0) UseTrueTypeFont();
    angle_ = v;
    if (angle_ != 0 && rotation_ == TRotation::None) rotation_ = TRotation::Flat;
    AdjustBounds();
    Repaint();
}

void TMwLabel::SetRotation(TRotation v) {
    if (v == rotation_) return;
    if (v != TRotation::None) UseTrueTypeFont();
    rotation_ = v;
    if (v != TRotation::Curve) angle_ = 0;
    if (v == TRotation::Flat) centerPoint_ = TCenterPoint::Center;
    AdjustBounds();
    Invalidate();
}

void TMwLabel::SetBlinking(bool v) {
    if (!cl::StoreIfChanged(blinking_, v)) return;
    if (!v) {
        drawnColor_ = normalColor_;
        Repaint();
    }
}

int TMwLabel::BlinkIntervalOn() const { return BlinkingControls()->IntervalOn(); }
void TMwLabel::SetBlinkIntervalOn(int v) { BlinkingControls()->SetIntervalOn(static_cast<uint16_t>(v)); }
int TMwLabel::BlinkIntervalOff() const { return BlinkingControls()->IntervalOff(); }
void TMwLabel::SetBlinkIntervalOff(int v) { BlinkingControls()->SetIntervalOff(static_cast<uint16_t>(v)); }

void TMwLabel::SetFlyByEnabled(bool v) {
    if (!cl::StoreIfChanged(flyByEnabled_, v)) return;
    if (!v && mouse_.Inside()) Font()->SetColor(colorBeforeFlyBy_);
}

bool TMwLabel::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "FrameSides")) return cl::TCustomControl::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::Set) throw cl::EConvertError("FrameSides expects a set of sides");
    return true;
}

void TMwLabel::Loaded() {
    cl::TCustomControl::Loaded();
    if (angle_ != 0 && rotation_ == TRotation::None) rotation_ = TRotation::Flat;
    if (rotation_ != TRotation::None) UseTrueTypeFont();
    normalColor_ = drawnColor_ = Font()->Color();
    AdjustBounds();
}

void TMwLabel::FontChanged() {
    cl::TCustomControl::FontChanged();
    if (IsLoading()) return;
    if (!blinking_) normalColor_ = drawnColor_ = Font()->Color();
    if (angle_ != 0 && !FontIsTrueType()) angle_ = 0;
    AdjustBounds();
}

// ---- size ----

void TMwLabel::InitializeWnd() { AdjustBounds(); }

void TMwLabel::AdjustBounds() {
    if (!autoSize_ || IsLoading() || adjusting_) return;
    adjusting_ = true;
    RECT measured{0, 0, 0, 0};
    if (wordWrap_) measured.right = AdjustRectForBorders(TRect::FromBounds(0, 0, Width(), Height()), borders_).Width();
    {
        const cl::TScreenDC screen;
        cl::TSelectObject font(screen.Handle(), Font()->Handle());
        const std::string text = GetDisplayCaption().empty() ? std::string(" ") : GetDisplayCaption();
        UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
        DrawTextA(screen.Handle(), text.data(), static_cast<int>(text.size()), &measured, flags);
    }
    TAutoSizeInput in;
    in.text = {measured.right - measured.left, measured.bottom - measured.top};
    in.borders = borders_;
    in.textStyle = textStyle_;
    in.shadowDepth = shadowDepth_;
    in.rotation = rotation_;
    in.angle = angle_;
    const TSize size = AutoSizeExtent(in);
    const int left = alignment_ == cl::TAlignment::RightJustify ? Left() + Width() - size.cx : Left();
    SetBounds(left, Top(), size.cx, size.cy);
    adjusting_ = false;
}

// ---- painting ----

TLabelAlign TMwLabel::TextAlign() const {
    switch (alignment_) {
        case cl::TAlignment::RightJustify: return TLabelAlign::Right;
        case cl::TAlignment::Center: return TLabelAlign::Center;
        default: return TLabelAlign::Left;
    }
}

UINT TMwLabel::DrawTextFlags() const {
    UINT flags = DT_EXPANDTABS;
    switch (alignment_) {
        case cl::TAlignment::LeftJustify: flags |= DT_LEFT; break;
        case cl::TAlignment::RightJustify: flags |= DT_RIGHT; break;
        case cl::TAlignment::Center: flags |= DT_CENTER; break;
    }
    if (UseRightToLeftReading()) flags |= DT_RTLREADING | DT_RIGHT;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    return flags;
}

TRect TMwLabel::PaintBorder(cl::TCanvas& canvas, const TRect& r, TFrameStyle style) {
    switch (style) {
        case TFrameStyle::None: return r;
        case TFrameStyle::Flat: return PaintBevel(canvas, r, flatColor_, flatColor_, 1, borders_.sides);
        case TFrameStyle::Popup:
            return PaintBevel(canvas, r, borderHighlight_, borderShadow_, borders_.bevelWidth, borders_.sides);
        case TFrameStyle::Status:
            return PaintBevel(canvas, r, borderShadow_, borderHighlight_, borders_.bevelWidth, borders_.sides);
        default: return PaintBorderSides(canvas, r, style, borders_.sides);
    }
}

void TMwLabel::Paint(cl::TCanvas& canvas) {
    const TRect client = ClientRect();
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(client);
    }
    TRect r = PaintBorder(canvas, client, borders_.outer);
    if (borders_.borderWidth > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borders_.borderWidth, sdAll);
    PaintBorder(canvas, r, borders_.inner);
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    canvas.Font().Assign(*Font());
    SetBkMode(canvas.Handle(), TRANSPARENT);
    switch (rotation_) {
        case TRotation::None: DrawPlainText(canvas); break;
        case TRotation::Flat: DrawFlatText(canvas); break;
        case TRotation::Curve: DrawCurvedText(canvas); break;
    }
}

namespace {

std::vector<TCaptionPass> TextPasses(TTextStyle style, bool light, bool enabled, int depth, cl::TColor drawn,
                                     cl::TColor highlight, cl::TColor shadow) {
    TCaptionStyle s;
    s.style = style;
    s.lightTextStyle = light;
    s.enabled = enabled;
    s.shadowDepth = depth;
    return CaptionPasses(s, {drawn, highlight, shadow});
}

}  // namespace

void TMwLabel::DrawPlainText(cl::TCanvas& canvas) {
    const std::string text = GetDisplayCaption();
    const UINT flags = DrawTextFlags();
    TRect r = AdjustRectForBorders(ClientRect(), borders_);
    if (layout_ != TTextLayout::Top) {
        RECT measured = ToRECT(r);
        cl::TSelectObject font(canvas.Handle(), Font()->Handle());
        DrawTextA(canvas.Handle(), text.data(), static_cast<int>(text.size()), &measured, flags | DT_CALCRECT);
        const int down = LayoutOffset(layout_, Height(), borders_.borderWidth, measured.bottom);
        r.top += down;
        r.bottom += down;
    }
    if (textStyle_ == TTextStyle::Shadow) {
        if (flags & DT_RIGHT) r = {r.left - shadowDepth_, r.top, r.right - shadowDepth_, r.bottom};
        if (layout_ == TTextLayout::Bottom) r = {r.left, r.top - shadowDepth_, r.right, r.bottom - shadowDepth_};
    }
    for (const TCaptionPass& pass : TextPasses(textStyle_, lightTextStyle_, Enabled(), shadowDepth_, drawnColor_,
                                               highlightColor_, shadowColor_)) {
        canvas.Font().SetColor(pass.color);
        canvas.TextRect({r.left + pass.dx, r.top + pass.dy, r.right + pass.dx, r.bottom + pass.dy}, text, flags);
    }
}

void TMwLabel::DrawFlatText(cl::TCanvas& canvas) {
    const std::string text = GetDisplayCaption();
    const TRect r = AdjustRectForBorders(ClientRect(), borders_);
    const int e = textStyle_ == TTextStyle::Shadow ? shadowDepth_ / 2 : 0;
    TFlatTextInput in;
    in.angle = angle_;
    in.align = TextAlign();
    in.r = r;
    in.centre = {Width() / 2, Height() / 2};
    in.textHeight = canvas.TextHeight("Pp");
    in.textWidth = canvas.TextWidth(text);
    in.shadowOffset = e;
    const TTextAnchor at = FlatTextAnchor(in);

    HDC dc = canvas.Handle();
    const cl::TFontHandle turned = CreateRotatedFont(*Font(), angle_);
    cl::TSelectObject font(dc, turned.Get());
    const UINT oldAlign = SetTextAlign(dc, (at.baseline ? TA_BASELINE : TA_TOP) | (at.centered ? TA_CENTER : TA_LEFT));
    std::vector<TCaptionPass> passes =
        TextPasses(textStyle_, lightTextStyle_, Enabled(), e, drawnColor_, highlightColor_, shadowColor_);
    // Shadowed text keeps its centre: the shadow goes half the depth one way, the text the other.
    if (Enabled() && textStyle_ == TTextStyle::Shadow) passes.back().dx = passes.back().dy = -e;
    for (const TCaptionPass& pass : passes) TextAt(dc, at.x + pass.dx, at.y + pass.dy, r, text, pass.color);
    SetTextAlign(dc, oldAlign);
}

void TMwLabel::DrawCurvedText(cl::TCanvas& canvas) {
    const std::string text = GetDisplayCaption();
    const int b = borders_.borderWidth;
    const cl::TPoint anchor = CurveAnchor(centerPoint_, Width(), Height(), b);
    const TSize radii = CurveRadii(centerPoint_, Width(), Height(), b);
    if (radii.cx <= 0 || radii.cy <= 0) return;
    const int h = canvas.TextHeight("Yy");
    const double step = (canvas.TextWidth("w") + 2.0) / radii.cx;
    const TRect clip = ClientRect();
    HDC dc = canvas.Handle();
    const UINT oldAlign = SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    const std::vector<TCaptionPass> passes = TextPasses(textStyle_, lightTextStyle_, Enabled(), shadowDepth_,
                                                        drawnColor_, highlightColor_, shadowColor_);
    double alpha = angle_ * kPi / 180;
    for (char c : text) {
        const cl::TPoint p = CurveCharPosition(anchor, radii, alpha, h);
        const cl::TFontHandle turned = FontAtEscapement(*Font(), CurveEscapement(alpha));
        cl::TSelectObject font(dc, turned.Get());
        for (const TCaptionPass& pass : passes) TextAt(dc, p.x + pass.dx, p.y + pass.dy, clip, std::string(1, c), pass.color);
        alpha -= step;
    }
    SetTextAlign(dc, oldAlign);
}

// ---- messages ----

void TMwLabel::Blink(bool on) {
    drawnColor_ = on ? blinkColor_ : normalColor_;
    Repaint();
}

void TMwLabel::MouseEnter() {
    if (flyByEnabled_) {
        colorBeforeFlyBy_ = Font()->Color();
        Font()->SetColor(flyByColor_);
    }
    OnMouseEnter(this);
}

void TMwLabel::MouseLeave() {
    if (flyByEnabled_) Font()->SetColor(colorBeforeFlyBy_);
    OnMouseLeave(this);
}

void TMwLabel::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: MouseEnter(); break;
        case TMouseTracking::TChange::Left: MouseLeave(); break;
        case TMouseTracking::TChange::None: break;
    }
    switch (m.msg) {
        case CM_ISBLINKING:
            m.result = blinking_ ? 1 : 0;
            return;
        case CM_BLINK:
            if (blinking_) Blink(m.wParam != 0);
            return;
        case WM_ERASEBKGND:
            // The paint covers everything but a see-through label's background.
            if (transparent_) PaintParentBackground(*this, reinterpret_cast<HDC>(m.wParam));
            m.result = 1;
            return;
        case WM_GETDLGCODE:
            // Like the system's static text: the dialog manager passes its accelerator on to
            // the next control.
            m.result = DLGC_STATIC;
            return;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            AdjustBounds();
            Invalidate();
            return;
        default:
            break;
    }
    cl::TCustomControl::WndProc(m);
}
