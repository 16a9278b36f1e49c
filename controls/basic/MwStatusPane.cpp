#include "controls/basic/MwStatusPane.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

namespace {

// The blink intervals are one setting for the whole process.
struct TBlinkIntervals {
    int on = 500;
    int off = 500;
};
TBlinkIntervals& BlinkIntervals() {
    static TBlinkIntervals intervals;
    return intervals;
}

}  // namespace

const cl::TClassInfo& TMwCustomStatusPane::StaticClass() {
    using P = TMwCustomStatusPane;
    static const auto info = cl::TClassBuilder<P>("TMwCustomStatusPane", cl::TCustomControl::StaticClass())
                                 .Int("BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
                                 .Color("FillColor", &P::FillColor, &P::SetFillColor)
                                 .Color("FlatColor", &P::FlatColor, &P::SetFlatColor)
                                 .Int("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
                                 .Enum<TFrameStyle>("FrameStyle", &P::FrameStyle, &P::SetFrameStyle, kFrameStyleNames)
                                 .Enum<cl::TAlignment>("Alignment", &P::Alignment, &P::SetAlignment, cl::kAlignmentNames)
                                 .Bool("AutoSize", &P::AutoSize, &P::SetAutoSize)
                                 .Bool("Blinking", &P::Blinking, &P::SetBlinking)
                                 .Color("BlinkColor", &P::BlinkColor, &P::SetBlinkColor)
                                 .Int("BlinkIntervalOn", &P::BlinkIntervalOn, &P::SetBlinkIntervalOn)
                                 .Int("BlinkIntervalOff", &P::BlinkIntervalOff, &P::SetBlinkIntervalOff)
                                 .Int("CaptionOffset", &P::CaptionOffset, &P::SetCaptionOffset)
                                 .Int("DefaultWidth", &P::DefaultWidth, &P::SetDefaultWidth)
                                 .Event("OnMouseEnter", &P::OnMouseEnter)
                                 .Event("OnMouseLeave", &P::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwCustomStatusPane::TMwCustomStatusPane(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 100, 20);
    SetParentColor(true);
}

int TMwCustomStatusPane::BlinkIntervalOn() const { return BlinkIntervals().on; }
void TMwCustomStatusPane::SetBlinkIntervalOn(int v) { BlinkIntervals().on = v & 0xFFFF; }
int TMwCustomStatusPane::BlinkIntervalOff() const { return BlinkIntervals().off; }
void TMwCustomStatusPane::SetBlinkIntervalOff(int v) { BlinkIntervals().off = v & 0xFFFF; }

void TMwCustomStatusPane::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustWidth();
}

void TMwCustomStatusPane::SetCaptionOffset(int v) {
    if (v == captionOffset_) return;
    captionOffset_ = v;
    Invalidate();
    AdjustWidth();
}

void TMwCustomStatusPane::SetDefaultWidth(int v) {
    if (v == defaultWidth_) return;
    defaultWidth_ = v;
    AdjustWidth();
}

void TMwCustomStatusPane::Loaded() {
    cl::TCustomControl::Loaded();
    AdjustWidth();
}

void TMwCustomStatusPane::ChangePaneCaption(const std::string& text) {
    if (text == paneCaption_) return;
    paneCaption_ = text;
    Invalidate();
    AdjustWidth();
}

int TMwCustomStatusPane::TextWidth(const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r.right - r.left;
}

int TMwCustomStatusPane::GetAutoWidth() {
    if (paneCaption_.empty()) return defaultWidth_;
    return 2 * borderWidth_ + TextWidth(paneCaption_) + captionOffset_ + 6;
}

void TMwCustomStatusPane::AdjustWidth() {
    if (IsLoading() || !autoSize_) return;
    SetWidth(GetAutoWidth());
}

cl::TRect TMwCustomStatusPane::GetTextRect() {
    int inset = borderWidth_;
    switch (frameStyle_) {
        case TFrameStyle::Flat:
        case TFrameStyle::Status:
        case TFrameStyle::Popup: inset += 1; break;
        case TFrameStyle::None:
        case TFrameStyle::FlatBold: break;
        default: inset += 2;
    }
    return Inset(cl::TRect::FromBounds(0, 0, Width(), Height()), inset, inset);
}

void TMwCustomStatusPane::DrawPaneFrame(HDC dc) {
    const cl::TRect all = cl::TRect::FromBounds(0, 0, Width(), Height());
    FillSolid(dc, all, Color());
    const cl::TRect r = Inset(all, borderWidth_, borderWidth_);
    if (frameStyle_ == TFrameStyle::Flat) {
        // Four lines that leave the corner pixels out.
        FillSolid(dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, flatColor_);
        FillSolid(dc, {r.left + 1, r.top, r.right - 1, r.top + 1}, flatColor_);
        FillSolid(dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, flatColor_);
        FillSolid(dc, {r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, flatColor_);
    } else {
        cl::TCanvas canvas(dc);
        PaintFrame(canvas, r, frameStyle_, sdAll, {flatColor_, cl::clBtnHighlight, cl::clBtnShadow, 1});
    }
}

int TMwCustomStatusPane::TextTop(HDC dc, const cl::TRect& r) {
    SIZE size{};
    GetTextExtentPoint32A(dc, "Pp", 2, &size);
    return r.top + (r.Height() - size.cy) / 2;
}

void TMwCustomStatusPane::DrawCaption(HDC dc, const std::string& text) {
    const cl::TRect r = GetTextRect();
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    UINT align = TA_LEFT;
    int x = r.left + captionOffset_ + 1;
    if (alignment_ == cl::TAlignment::RightJustify) {
        align = TA_RIGHT;
        x = r.right - captionOffset_ - 1;
    } else if (alignment_ == cl::TAlignment::Center) {
        align = TA_CENTER;
        x = r.left + r.Width() / 2;
    }
    const int y = TextTop(dc, r);
    const UINT oldAlign = SetTextAlign(dc, align);
    SetBkColor(dc, cl::ColorToRGB(fillColor_));
    SetBkMode(dc, OPAQUE);
    const RECT clip{r.left, r.top, r.right, r.bottom};
    if (!Enabled()) {
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnHighlight));
        ExtTextOutA(dc, x + 1, y + 1, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnShadow));
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetTextColor(dc, cl::ColorToRGB(Font()->Color()));
    }
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

void TMwCustomStatusPane::Paint(cl::TCanvas& canvas) {
    DrawPaneFrame(canvas.Handle());
    DrawCaption(canvas.Handle(), paneCaption_);
}

void TMwCustomStatusPane::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left: OnMouseLeave(this); break;
        case TMouseTracking::TChange::None: break;
    }
    cl::TCustomControl::WndProc(m);
}

