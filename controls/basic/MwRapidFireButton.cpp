#include "controls/basic/MwRapidFireButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"

using namespace mw;

namespace {

// Where the arrow of a 17 x 17 scroll-bar button lies, and the part of it that the glyph takes.
struct TArrowCut {
    UINT arrow;
    cl::TRect part;
};

TArrowCut ArrowCut(TMwScrollStyle style) {
    switch (style) {
        case TMwScrollStyle::Left: return {DFCS_SCROLLLEFT, cl::TRect::FromBounds(4, 4, 9, 9)};
        case TMwScrollStyle::Up: return {DFCS_SCROLLUP, cl::TRect::FromBounds(4, 5, 9, 6)};
        case TMwScrollStyle::Right: return {DFCS_SCROLLRIGHT, cl::TRect::FromBounds(6, 4, 9, 9)};
        case TMwScrollStyle::Down:
        case TMwScrollStyle::None: break;
    }
    return {DFCS_SCROLLDOWN, cl::TRect::FromBounds(4, 6, 9, 6)};
}

uint16_t Milliseconds(int v) { return static_cast<uint16_t>(std::clamp(v, 0, 0xFFFF)); }

}  // namespace

const cl::TClassInfo& TMwRapidFireButton::StaticClass() {
    using B = TMwRapidFireButton;
    static const auto info = cl::TClassBuilder<B>("TMwRapidFireButton", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
                                 .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
                                 .Int("Delay", &B::Delay, &B::SetDelay)
                                 .Bool("Down", &B::Down, &B::SetDown)
                                 .Bool("Flat", &B::Flat, &B::SetFlat)
                                 .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
                                 .Binary("Glyph", &B::GlyphData, &B::SetGlyphData)
                                 .Int("InitialDelay", &B::InitialDelay, &B::SetInitialDelay)
                                 .Enum<TMwScrollStyle>("ScrollStyle", &B::ScrollStyle, &B::SetScrollStyle, kScrollStyleNames)
                                 .Build();
    return *info;
}

TMwRapidFireButton::TMwRapidFireButton(cl::TComponent* owner)
    : cl::TCustomControl(owner), repeater_(*this, [this] { return pressed_; }) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Invalidate(); });
}

void TMwRapidFireButton::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    // Quick presses repeat the click; none of them is a double click.
    params.classStyle &= ~CS_DBLCLKS;
}

void TMwRapidFireButton::SetInitialDelay(int v) { initialDelay_ = Milliseconds(v); }

void TMwRapidFireButton::SetDelay(int v) { delay_ = Milliseconds(v); }

void TMwRapidFireButton::SetGlyph(HBITMAP bitmap) { glyph_.Assign(bitmap); }

void TMwRapidFireButton::SetScrollStyle(TMwScrollStyle style) {
    scrollStyle_ = style;
    BuildArrowGlyph();
}

void TMwRapidFireButton::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    cl::TCustomControl::SetEnabled(enabled);
    // The arrow is drawn grey while the button is disabled.
    if (scrollStyle_ != TMwScrollStyle::None) BuildArrowGlyph();
    Invalidate();
}

void TMwRapidFireButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !allowAllUp_ && groupIndex_ != 0) return;  // a group keeps one button down
    ShowDown(v);
    if (v) UpdateGroup();
}

void TMwRapidFireButton::SetGroupIndex(int v) {
    if (v == groupIndex_) return;
    groupIndex_ = v;
    UpdateGroup();
}

void TMwRapidFireButton::SetAllowAllUp(bool v) {
    if (v == allowAllUp_) return;
    allowAllUp_ = v;
    UpdateGroup();
}

void TMwRapidFireButton::UpdateGroup() {
    if (groupIndex_ == 0 || !Parent() || IsLoading()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TMwRapidFireButton*>(Parent()->Controls(i)); other && other != this)
            other->GroupButtonPressed(*this);
}

void TMwRapidFireButton::GroupButtonPressed(const TMwRapidFireButton& sender) {
    if (sender.groupIndex_ != groupIndex_) return;
    if (sender.down_ && down_) ShowDown(false);
    allowAllUp_ = sender.allowAllUp_;
}

void TMwRapidFireButton::ShowDown(bool v) {
    down_ = v;
    if (scrollStyle_ != TMwScrollStyle::None) BuildArrowGlyph();  // the arrow is drawn pushed while down
    Invalidate();
}

void TMwRapidFireButton::BuildArrowGlyph() {
    glyph_.Clear();
    if (scrollStyle_ != TMwScrollStyle::None) {
        const TArrowCut cut = ArrowCut(scrollStyle_);
        TMemoryBitmap button(nullptr, 17, 17);
        RECT all{0, 0, 17, 17};
        DrawFrameControl(button.DC(), &all, DFC_SCROLL, cut.arrow | (down_ ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
        glyph_.AssignPart(button.DC(), cut.part);
    }
    Invalidate();
}

// ---- mouse and painting ----

void TMwRapidFireButton::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case mw::TMouseTracking::TChange::Entered:
        case mw::TMouseTracking::TChange::Left:
            if (flat_) Invalidate();
            break;
        case mw::TMouseTracking::TChange::None: break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            cl::TCustomControl::WndProc(m);
            if (!Enabled()) return;
            SetCapture(Handle());
            dragging_ = true;
            pressed_ = !down_;
            Invalidate();
            if (repeatClicks_) repeater_.Start(initialDelay_, delay_);
            return;
        case WM_MOUSEMOVE:
            if (dragging_ && (ClientRect().Contains(point) && !down_) != pressed_) {
                pressed_ = !pressed_;
                Invalidate();
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_) {
                dragging_ = pressed_ = false;
                ReleaseCapture();
                if (groupIndex_ != 0 && ClientRect().Contains(point)) SetDown(!down_);
                Invalidate();
            }
            cl::TCustomControl::WndProc(m);  // the click, when released on the button
            repeater_.Stop();
            return;
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = pressed_ = false;
                Invalidate();
                repeater_.Stop();
            }
            break;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            Invalidate();
            return;
        default:
            break;
    }
    cl::TCustomControl::WndProc(m);
}

void TMwRapidFireButton::PaintFace(cl::TCanvas& canvas, const cl::TRect& client) {
    const bool sunken = pressed_ || down_;
    if (!flat_) {
        RECT face{client.left, client.top, client.right, client.bottom};
        DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0) | (down_ && !pressed_ ? DFCS_CHECKED : 0));
        return;
    }
    canvas.SetBrushColor(Color());
    canvas.FillRect(client);
    if (sunken) DrawSides(canvas, client, cl::clBtnShadow, cl::clBtnHighlight, sdAll);
    else if (mouse_.Inside() && Enabled()) DrawSides(canvas, client, cl::clBtnHighlight, cl::clBtnShadow, sdAll);
}

void TMwRapidFireButton::PaintCaption(cl::TCanvas& canvas, const cl::TRect& r) {
    SetBkMode(canvas.Handle(), TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    if (Enabled()) {
        canvas.Font().SetColor(cl::clBtnText);
        canvas.TextRect(r, Caption(), format);
        return;
    }
    // Embossed while disabled.
    canvas.Font().SetColor(cl::clBtnHighlight);
    canvas.TextRect({r.left + 1, r.top + 1, r.right + 1, r.bottom + 1}, Caption(), format);
    canvas.Font().SetColor(cl::clBtnShadow);
    canvas.TextRect(r, Caption(), format);
}

// The glyph and the caption side by side, centred together; both move by a pixel while the
// button is pressed or down.
void TMwRapidFireButton::Paint(cl::TCanvas& canvas) {
    const cl::TRect client = ClientRect();
    PaintFace(canvas, client);
    const int shift = pressed_ || down_ ? 1 : 0;
    constexpr int kSpacing = 4;
    const int textWidth = Caption().empty() ? 0 : canvas.TextWidth(Caption());
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width();
    const int contentWidth = glyphWidth + textWidth + (glyphWidth && textWidth ? kSpacing : 0);
    int left = client.left + (client.Width() - contentWidth) / 2 + shift;
    if (glyphWidth) {
        const cl::TRect at = CentredRect(client, glyph_.Width(), glyph_.Height());
        glyph_.Draw(canvas, {left, at.top + shift, left + glyph_.Width(), at.bottom + shift}, {0, 0, glyph_.Width(), glyph_.Height()});
        left += glyphWidth + kSpacing;
    }
    if (textWidth) PaintCaption(canvas, {left, client.top + shift, client.right, client.bottom + shift});
    if (showFocusRect_) {
        const RECT focus{client.left + 3 + shift, client.top + 3 + shift, client.right - 3 + shift, client.bottom - 3 + shift};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}
