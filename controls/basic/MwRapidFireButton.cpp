#include "controls/basic/MwRapidFireButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "controls/foundation/MemoryBitmap.h"

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
                                 .Int("Delay", &B::Delay, &B::SetDelay)
                                 .Binary("Glyph", &B::GlyphData, &B::SetGlyphData)
                                 .Int("InitialDelay", &B::InitialDelay, &B::SetInitialDelay)
                                 .Enum<TMwScrollStyle>("ScrollStyle", &B::ScrollStyle, &B::SetScrollStyle, kScrollStyleNames)
                                 .Build();
    return *info;
}

TMwRapidFireButton::TMwRapidFireButton(cl::TComponent* owner)
    : cl::TCustomControl(owner), repeater_(*this, [this] { return down_; }) {
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

void TMwRapidFireButton::BuildArrowGlyph() {
    glyph_.Clear();
    if (scrollStyle_ != TMwScrollStyle::None) {
        const TArrowCut cut = ArrowCut(scrollStyle_);
        TMemoryBitmap button(nullptr, 17, 17);
        RECT all{0, 0, 17, 17};
        DrawFrameControl(button.DC(), &all, DFC_SCROLL, cut.arrow | (Enabled() ? 0 : DFCS_INACTIVE));
        glyph_.AssignPart(button.DC(), cut.part);
    }
    Invalidate();
}

// ---- mouse and painting ----

void TMwRapidFireButton::WndProc(cl::TMessage& m) {
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            cl::TCustomControl::WndProc(m);
            if (!Enabled()) return;
            SetCapture(Handle());
            dragging_ = down_ = true;
            Invalidate();
            if (repeatClicks_) repeater_.Start(initialDelay_, delay_);
            return;
        case WM_MOUSEMOVE:
            if (dragging_ && ClientRect().Contains(point) != down_) {
                down_ = !down_;
                Invalidate();
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_) {
                dragging_ = down_ = false;
                ReleaseCapture();
                Invalidate();
            }
            cl::TCustomControl::WndProc(m);  // the click, when released on the button
            repeater_.Stop();
            return;
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = down_ = false;
                Invalidate();
                repeater_.Stop();
            }
            break;
        default:
            break;
    }
    cl::TCustomControl::WndProc(m);
}

void TMwRapidFireButton::Paint(cl::TCanvas& canvas) {
    const cl::TRect client = ClientRect();
    RECT face{client.left, client.top, client.right, client.bottom};
    DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down_ ? DFCS_PUSHED : 0));
    const int shift = down_ ? 1 : 0;
    if (!glyph_.Empty()) {
        const cl::TRect at = CentredRect(client, glyph_.Width(), glyph_.Height());
        glyph_.Draw(canvas, {at.left + shift, at.top + shift, at.right + shift, at.bottom + shift},
                    {0, 0, glyph_.Width(), glyph_.Height()});
    }
    if (showFocusRect_) {
        const RECT focus{client.left + 3 + shift, client.top + 3 + shift, client.right - 3 + shift, client.bottom - 3 + shift};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}
