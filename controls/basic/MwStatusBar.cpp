#include "controls/basic/MwStatusBar.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Form.h"
#include "classlib/win/Handles.h"
#include "controls/basic/StatusBarLayout.h"
#include "controls/basic/StatusPaneLayout.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {
// The system command that sizes a window from its bottom-right corner (SC_SIZE | WMSZ_BOTTOMRIGHT).
constexpr WPARAM kSizeFromBottomRight = 61448;
}  // namespace

class TMwStatusBar::TAlignSuspension {
public:
    explicit TAlignSuspension(TMwStatusBar& bar) : bar_(bar), was_(bar.alignSuspended_) { bar.alignSuspended_ = true; }
    ~TAlignSuspension() { bar_.alignSuspended_ = was_; }
    TAlignSuspension(const TAlignSuspension&) = delete;
    TAlignSuspension& operator=(const TAlignSuspension&) = delete;

private:
    TMwStatusBar& bar_;
    bool was_;
};

const cl::TClassInfo& TMwStatusBar::StaticClass() {
    using S = TMwStatusBar;
    static const auto info = cl::TClassBuilder<S>("TMwStatusBar", TMwCustomPanel::StaticClass())
                                 .Creatable()
                                 .Bool("AutoStyle", &S::AutoStyle, &S::SetAutoStyle)
                                 .Bool("AutoScalePanes", &S::AutoScalePanes, &S::SetAutoScalePanes)
                                 .Bool("ShowSizeGrip", &S::ShowSizeGrip, &S::SetShowSizeGrip)
                                 .Bool("SimpleStatus", &S::SimpleStatus, &S::SetSimpleStatus)
                                 .Str("SimpleCaption", &S::SimpleCaption, &S::SetSimpleCaption)
                                 .Enum<TFrameStyle>("SimpleFrameStyle", &S::SimpleFrameStyle, &S::SetSimpleFrameStyle, kFrameStyleNames)
                                 .Build();
    return *info;
}

TMwStatusBar::TMwStatusBar(cl::TComponent* owner) : TMwCustomPanel(owner) {
    SetAlign(cl::TAlign::Bottom);
    ApplyAutoStyle();
}

// ---- properties ----

void TMwStatusBar::ApplyAutoStyle() {
    const bool keep = autoStyle_;  // the border writers below would clear it
    SetBorderInner(TFrameStyle::None);
    SetBorderOuter(TFrameStyle::None);
    SetBorderSides(sdAll);
    SetHeight(19);
    SetBorderWidth(0);
    autoStyle_ = keep;
}

void TMwStatusBar::Loaded() {
    TMwCustomPanel::Loaded();
    if (autoStyle_) ApplyAutoStyle();
}

void TMwStatusBar::SetBorderOuter(TFrameStyle v) {
    if (v == BorderOuter()) return;
    TMwCustomPanel::SetBorderOuter(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetBorderInner(TFrameStyle v) {
    if (v == BorderInner()) return;
    TMwCustomPanel::SetBorderInner(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetBorderSides(TSides v) {
    if ((v & sdAll) == BorderSides()) return;
    TMwCustomPanel::SetBorderSides(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetShowSizeGrip(bool v) {
    showSizeGrip_ = v;
    UpdateGripUsable();
    Invalidate();
    // The children that cover the grip paint it over themselves.
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TMwStatusBar::SetSimpleStatus(bool v) {
    if (v == simpleStatus_) return;
    simpleStatus_ = v;
    {
        TAlignSuspension suspension(*this);
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(!v);
    }
    Realign();
    Invalidate();
}

// ---- geometry ----

cl::TRect TMwStatusBar::ClientRect() {
    return StatusBarClientRect(TMwCustomPanel::ClientRect(), ThemeServices().ThemesAvailable(), simpleStatus_);
}

cl::TRect TMwStatusBar::GripArea() {
    cl::TRect r = ClientRect();
    r.bottom -= 1;
    return r;
}

void TMwStatusBar::AlignControls() {
    if (alignSuspended_) return;
    TMwCustomPanel::AlignControls();
}

void TMwStatusBar::Resize() {
    TMwCustomPanel::Resize();
    const int change = firstResize_ ? 0 : Width() - previousWidth_;
    firstResize_ = false;
    if (autoScalePanes_ && ControlCount() > 0 && change != 0) {
        {
            TAlignSuspension suspension(*this);
            for (int i = 0; i < ControlCount(); ++i) {
                cl::TControl* child = Controls(i);
                child->SetWidth(ScaledPaneWidth(child->Width(), change, previousWidth_));
            }
        }
        Realign();
    }
    previousWidth_ = Width();
}

// ---- the grip ----

void TMwStatusBar::UpdateGripUsable() {
    const cl::TCustomForm* form = ParentForm();
    gripUsable_ = form && form->WindowState() != cl::TWindowState::Maximized &&
                  (form->BorderStyle() == cl::TFormBorderStyle::Sizeable ||
                   form->BorderStyle() == cl::TFormBorderStyle::SizeToolWin);
}

void TMwStatusBar::CreateWnd() {
    UpdateGripUsable();
    TMwCustomPanel::CreateWnd();
}

bool TMwStatusBar::ThemesChildren() const { return ThemeAware() && ThemeServices().ThemesEnabled(); }

void TMwStatusBar::DrawSizeGrip(cl::TCanvas& canvas, const cl::TRect& r) {
    if (ThemesChildren()) {
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(TThemedStatus::Gripper), ThemedGripRect(r));
        return;
    }
    for (const TGripDot& dot : SizeGripDots(r))
        FillSolid(canvas.Handle(), dot.rect, dot.highlight ? cl::clBtnHighlight : cl::clBtnShadow);
}

void TMwStatusBar::DrawSizeGripOver(const cl::TControl& child, cl::TCanvas& canvas) {
    if (!GripActive()) return;
    cl::TRect r = GripArea();
    r = {r.left - child.Left(), r.top - child.Top(), r.right - child.Left(), r.bottom - child.Top()};
    DrawSizeGrip(canvas, r);
}

void TMwStatusBar::PaintGripAfterChildren(HDC givenDc) {
    UpdateGripUsable();
    if (!GripActive()) return;
    const cl::TRect r = GripArea();
    if (givenDc) {
        cl::TCanvas canvas(givenDc);
        DrawSizeGrip(canvas, r);
        return;
    }
    // Clipped to the part of the bar that no child covers.
    const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Client);
    cl::TCanvas canvas(dc.Handle());
    DrawSizeGrip(canvas, r);
}

// ---- messages ----

void TMwStatusBar::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            if (GripActive() && SizeGripHitRect(Width(), Height()).Contains({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)})) {
                ReleaseCapture();
                if (cl::TCustomForm* form = ParentForm()) SendMessageA(form->Handle(), WM_SYSCOMMAND, kSizeFromBottomRight, 0);
                return;
            }
            break;
        case WM_SETCURSOR:
            if (GripActive() && SizeGripHitRect(Width(), Height()).Contains(GetCursorClientPos())) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZENWSE)));
                m.result = TRUE;
                return;
            }
            break;
        case WM_PAINT:
            TMwCustomPanel::WndProc(m);
            PaintGripAfterChildren(reinterpret_cast<HDC>(m.wParam));
            return;
        default: break;
    }
    TMwCustomPanel::WndProc(m);
}

// ---- painting ----

void TMwStatusBar::PaintThemedBackground(const cl::TControl& child, HDC dc, const cl::TRect& r) {
    TMemoryBitmap background(dc, Width(), Height());
    ThemeServices().DrawElement(background.DC(), ThemeElementDetails(TThemedStatus::Root), {0, 0, Width(), Height()});
    BitBlt(dc, r.left, r.top, r.Width(), r.Height(), background.DC(), child.Left() + r.left, child.Top() + r.top, SRCCOPY);
}

void TMwStatusBar::Paint(cl::TCanvas& canvas) {
    if (ThemesChildren()) {
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(TThemedStatus::Root), {0, 0, Width(), Height()});
        if (simpleStatus_ && !simpleCaption_.empty())
            ThemeServices().DrawElementText(canvas.Handle(), ThemeElementDetails(TThemedStatus::Root), simpleCaption_,
                                            ClientRect(), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, 0);
        return;
    }
    TMwCustomPanel::Paint(canvas);
    if (!simpleStatus_) return;
    cl::TRect r = GripArea();
    DrawSimpleFrame(canvas, r);
    r = Inset(r, 1, 1);
    if (simpleCaption_.empty()) return;
    canvas.Font().Assign(*Font());
    HDC dc = canvas.Handle();
    cl::TSelectObject selectFont(dc, canvas.Font().Handle());
    SetTextColor(dc, cl::ColorToRGB(Font()->Color()));
    SetBkColor(dc, cl::ColorToRGB(Color()));
    SetBkMode(dc, OPAQUE);
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int y = r.top + (r.Height() - canvas.TextHeight("Pp")) / 2;
    const RECT clip{r.left, r.top, r.right, r.bottom};
    ExtTextOutA(dc, r.left + 2, y, ETO_CLIPPED | ETO_OPAQUE, &clip, simpleCaption_.data(),
                static_cast<UINT>(simpleCaption_.size()), nullptr);
    SetTextAlign(dc, oldAlign);
}

void TMwStatusBar::DrawSimpleFrame(cl::TCanvas& canvas, const cl::TRect& r) {
    if (ThemesChildren()) {
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(TThemedStatus::Pane), r);
        return;
    }
    FillSolid(canvas.Handle(), r, Color());
    if (simpleFrameStyle_ == TFrameStyle::Flat) {
        const cl::TColor line = ShadeColor(FlatColor(), FlatColorAdjustment());
        for (const cl::TRect& segment : OpenCornerBoxLines(r)) FillSolid(canvas.Handle(), segment, line);
        return;
    }
    PaintBorder(canvas, r, simpleFrameStyle_);
}
