#include "controls/basic/MwButton.h"

#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Button.h"
#include "classlib/win/Form.h"
#include "controls/basic/ButtonFace.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;
using cl::TColor;
using cl::TRect;

namespace {

void Line(cl::TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.SetPenColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Pixel(cl::TCanvas& canvas, int x, int y, TColor color) { SetPixel(canvas.Handle(), x, y, cl::ColorToRGB(color)); }

void FillRect(cl::TCanvas& canvas, const TRect& r, TColor color) {
    canvas.SetBrushColor(color);
    canvas.FillRect(r);
}

// One pixel in from r, leaving out the four corner pixels.
void RoundedOutline(cl::TCanvas& canvas, const TRect& r, TColor color) {
    Line(canvas, color, r.left, r.top + 1, r.left, r.bottom - 1);
    Line(canvas, color, r.left + 1, r.top, r.right - 1, r.top);
    Line(canvas, color, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1);
    Line(canvas, color, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1);
}

// Two bevel rings, the inner one softer, around a face of the given colour.
void RingedFace(cl::TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TColor face) {
    TRect inner = PaintBevel(canvas, r, upperLeft, lowerRight, 1, sdAll);
    inner = PaintBevel(canvas, inner, DarkenColor(upperLeft, 10), LightenColor(lowerRight, 10), 1, sdAll);
    FillRect(canvas, inner, face);
}

// The face of a button that is neither pressed, hot nor the default: light at the top, shading
// off to the bottom and the right.
void PlainFace(cl::TCanvas& canvas, const TRect& r, TColor color) {
    Line(canvas, LightenColor(color, 20), r.left, r.top, r.right, r.top);
    Line(canvas, LightenColor(color, 15), r.left, r.top + 1, r.right, r.top + 1);
    Line(canvas, LightenColor(color, 10), r.left, r.top + 2, r.right, r.top + 2);
    Line(canvas, DarkenColor(color, 10), r.left, r.bottom - 3, r.right - 2, r.bottom - 3);
    canvas.LineTo(r.right - 2, r.top + 2);
    Line(canvas, DarkenColor(color, 20), r.left, r.bottom - 2, r.right - 1, r.bottom - 2);
    canvas.LineTo(r.right - 1, r.top + 2);
    Line(canvas, DarkenColor(color, 30), r.left, r.bottom - 1, r.right, r.bottom - 1);
    FillRect(canvas, {r.left, r.top + 3, r.right - 2, r.bottom - 3}, color);
}

}  // namespace

const cl::TClassInfo& TMwButton::StaticClass() {
    using B = TMwButton;
    static const auto info = cl::TClassBuilder<B>("TMwButton", TMwCustomButton::StaticClass())
                                 .Creatable()
                                 .Ref<cl::TAction>("Action", &B::Action, &B::SetAction)
                                 .Enum<cl::TAlignment>("Alignment", &B::Alignment, &B::SetAlignment, cl::kAlignmentNames)
                                 .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
                                 .Bool("Cancel", &B::Cancel, &B::SetCancel)
                                 .Bool("Default", &B::Default, &B::SetDefault)
                                 .Bool("Down", &B::Down, &B::SetDown)
                                 .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
                                 .Int("ModalResult", &B::ModalResult, &B::SetModalResult)
                                 .Bool("ShowDownPattern", &B::ShowDownPattern, &B::SetShowDownPattern)
                                 .Bool("ShowFocusRect", &B::ShowFocusRect, &B::SetShowFocusRect)
                                 .Build();
    return *info;
}

TMwButton::TMwButton(cl::TComponent* owner) : TMwCustomButton(owner) {
    SetBounds(0, 0, 75, 25);
    SetColor(cl::clBtnFace);
}

TMwButton::~TMwButton() {
    if (action_) action_->UnregisterClient(this);
}

bool TMwButton::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "FrameFlat") || value.kind != cl::TValue::Kind::Boolean)
        return TMwCustomButton::ReadExtraProperty(name, value);
    SetHotTrack(value.boolean);
    return true;
}

void TMwButton::SetHotTrack(bool v) {
    TMwCustomButton::SetHotTrack(v);
    SetTransparent(v);
    Invalidate();
}

// ---- default and cancel ----

void TMwButton::CreateWnd() {
    active_ = default_;
    TMwCustomButton::CreateWnd();
}

void TMwButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    cl::TCustomForm* form = ParentForm();
    if (!HandleAllocated() || !form) return;
    cl::TControl* focused = cl::TControl::FromHandle(GetFocus());
    form->BroadcastFocusChanged(focused && focused->ParentForm() == form ? focused : nullptr);
}

void TMwButton::FocusChanged(cl::TControl* focused) {
    const bool isButton = dynamic_cast<TMwButton*>(focused) || dynamic_cast<cl::TButton*>(focused);
    const bool active = isButton ? focused == this : default_;
    if (active == active_) return;
    active_ = active;
    Repaint();
}

bool TMwButton::CanFocus() const {
    for (const cl::TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TMwButton::IsDialogButton(bool defaultButton) const {
    // Enter and Escape with Shift, Ctrl or Alt held are no dialog keys.
    if (cl::KeyboardShiftState() & (cl::ssShift | cl::ssCtrl | cl::ssAlt)) return false;
    return CanFocus() && (defaultButton ? active_ : cancel_);
}

// ---- groups ----

void TMwButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    // Released only by another button of the group; one that left its group lets go.
    if (down_ && !allowAllUp_ && groupIndex_ != 0) return;
    down_ = v;
    Invalidate();
    if (v) BroadcastGroupPressed();
}

void TMwButton::SetGroupIndex(int v) {
    if (v == groupIndex_) return;
    groupIndex_ = v;
    Invalidate();
    BroadcastGroupPressed();
}

void TMwButton::SetAllowAllUp(bool v) {
    if (v == allowAllUp_) return;
    allowAllUp_ = v;
    BroadcastGroupPressed();
}

void TMwButton::BroadcastGroupPressed() {
    cl::TControl* parent = Parent();
    if (groupIndex_ == 0 || !parent) return;
    cl::TMessage message{CM_BUTTONGROUPPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* button = dynamic_cast<TMwButton*>(parent->Controls(i))) button->WndProc(message);
}

void TMwButton::GroupPressed(int groupIndex, TMwButton* sender) {
    if (groupIndex != groupIndex_ || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

// ---- clicks ----

void TMwButton::Toggle() {
    if (groupIndex_ == 0) ButtonStateChanged();
    else SetDown(!down_);
    clicking_ = true;
    try {
        Click();
    } catch (...) {
        clicking_ = false;
        throw;
    }
    clicking_ = false;
}

void TMwButton::Click() {
    if (cl::TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
    if (action_ && !(OnClick && OnClick != action_->OnExecute)) action_->Execute();
    else TMwCustomButton::Click();
}

// ---- action ----

void TMwButton::SetAction(cl::TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (!action) return;
    action->RegisterClient(this);
    ActionChange(*action, IsLoading());
}

void TMwButton::ActionChange(const cl::TAction& action, bool checkDefaults) {
    if (!checkDefaults || Caption().empty()) SetCaption(action.Caption());
    if (!checkDefaults || Enabled()) SetEnabled(action.Enabled());
    if (!checkDefaults || Hint().empty()) SetHint(action.Hint());
    if (!checkDefaults || Visible()) SetVisible(action.Visible());
}

void TMwButton::ActionChanged(cl::TAction& action) {
    if (&action == action_) ActionChange(action, false);
}

void TMwButton::ActionFreed(cl::TAction& action) {
    if (&action == action_) action_ = nullptr;
}

// ---- messages ----

void TMwButton::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case cl::CM_FOCUSCHANGED:
            FocusChanged(reinterpret_cast<cl::TControl*>(m.lParam));
            return;
        case CM_BUTTONGROUPPRESSED:
            GroupPressed(static_cast<int>(m.wParam), reinterpret_cast<TMwButton*>(m.lParam));
            return;
        case WM_KILLFOCUS:
            spaceArmed_ = false;
            break;
        case WM_GETDLGCODE:
            // The dialog manager sends Enter to the focused button that says it is the default
            // one, and clicks a button (BM_CLICK) whose caption's accelerator was typed.
            m.result = DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            return;
        case BM_CLICK:
            if (CanFocus()) Click();
            return;
        case WM_KEYDOWN:
            if (m.wParam == VK_SPACE && !(cl::KeyboardShiftState() & cl::ssAlt)) {
                spaceArmed_ = true;
                SetPressedLook(true);
                ButtonStateChanged();
            }
            break;
        case WM_KEYUP:
            if (m.wParam == VK_SPACE) {
                SetPressedLook(false);
                if (spaceArmed_) {
                    spaceArmed_ = false;
                    Toggle();
                }
                ButtonStateChanged();
            }
            break;
        default:
            break;
    }
    TMwCustomButton::WndProc(m);
}

bool TMwButton::CommandNotification(WORD code) {
    // Enter on the focused button, from the dialog manager.
    if (code != BN_CLICKED) return false;
    if (IsDialogButton(true)) Click();
    return true;
}

// ---- painting ----

TRect TMwButton::GetCaptionRect() {
    TRect r = Inset(ClientRect(), 5, 5);
    if (!HotTrack() && !ThemesEnabled() && (PressedLook() || (groupIndex_ != 0 && down_)))
        r = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    return r;
}

void TMwButton::DrawCaptionText(cl::TCanvas& canvas) {
    UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
    switch (alignment_) {
        case cl::TAlignment::LeftJustify: flags |= DT_LEFT; break;
        case cl::TAlignment::RightJustify: flags |= DT_RIGHT; break;
        case cl::TAlignment::Center: flags |= DT_CENTER; break;
    }
    DrawCaption(canvas, GetCaptionRect(), flags);
}

TRect TMwButton::PaintThemed(cl::TCanvas& canvas, const TRect& r) {
    TPushButtonState state;
    state.enabled = Enabled();
    state.pressed = PressedOrDown();
    state.mouseOver = MouseOver();
    state.grouped = groupIndex_ != 0;
    state.defaulted = active_ || Focused();
    const TThemedElementDetails details = ThemeElementDetails(ThemedPushButton(PushButtonLook(state)));
    TThemeServices& services = ThemeServices();
    services.DrawParentBackground(Handle(), canvas.Handle(), &details, true);
    services.DrawElement(canvas.Handle(), details, r);
    return r;
}

TRect TMwButton::PaintClassic(cl::TCanvas& canvas, const TRect& client) {
    TRect r = client;
    const bool pressed = PressedLook();
    if (groupIndex_ == 0 && (((active_ || Focused()) && !pressed) || clicking_))
        r = DrawSides(canvas, r, cl::clWindowFrame, cl::clWindowFrame, sdAll);
    const TFrameStyle latched = PressedOrDown() ? TFrameStyle::Lowered : TFrameStyle::ButtonUp;
    if (Color() == cl::clBtnFace) {
        return groupIndex_ == 0 ? DrawButtonFrame(canvas, r, pressed) : PaintBorder(canvas, r, latched);
    }
    if (groupIndex_ == 0) return DrawColorButtonFrame(canvas, r, Color(), pressed);
    return PressedOrDown() ? DrawColorBorderAll(canvas, r, Color(), TFrameStyle::Lowered)
                           : DrawColorButtonFrame(canvas, r, Color(), false);
}

TRect TMwButton::PaintHotTrack(cl::TCanvas& canvas, const TRect& client) {
    TRect r = client;
    const TColor dark = DarkenColor(cl::clBtnFace, 20), light = LightenColor(cl::clBtnFace, 20);
    Line(canvas, dark, r.left, r.top + 2, r.left, r.bottom - 2);
    Line(canvas, dark, r.left + 2, r.top, r.right - 2, r.top);
    Line(canvas, light, r.right - 1, r.top + 2, r.right - 1, r.bottom - 2);
    Line(canvas, light, r.left + 2, r.bottom - 1, r.right - 2, r.bottom - 1);
    Pixel(canvas, r.left + 1, r.top + 1, dark);
    Pixel(canvas, r.right - 2, r.top + 1, dark);
    Pixel(canvas, r.right - 2, r.bottom - 2, light);
    Pixel(canvas, r.left + 1, r.bottom - 2, dark);

    r = Inset(r, 1, 1);
    RoundedOutline(canvas, r, Color() == cl::clBtnFace ? cl::cl3DDkShadow : DarkenColor(Color(), 150));
    r = Inset(r, 1, 1);

    TPushButtonState state;
    state.pressed = PressedOrDown();
    state.mouseOver = MouseOver();
    state.grouped = groupIndex_ != 0;
    state.defaulted = active_ || Focused();
    switch (PushButtonLook(state)) {
        case TPushButtonLook::Pressed:
            FillRect(canvas, r, DarkenColor(Color(), 10));
            break;
        case TPushButtonLook::Hot:
            if (HotTrackColorType() == TMwHotTrackColorType::Complement) {
                const TColor face = HslToRgbColor(ComplementHue(HueOfColor(HotTrackColor())), 220, 180);
                RingedFace(canvas, r, face, DarkenColor(face, 30), Color());
            } else {
                RingedFace(canvas, r, LightenColor(HotTrackColor(), 30), DarkenColor(HotTrackColor(), 30), Color());
            }
            break;
        case TPushButtonLook::Defaulted: {
            const TColor face = HslToRgbColor(HueOfColor(HighlightColor()), 220, 220);
            RingedFace(canvas, r, face, DarkenColor(face, 30), Color());
            break;
        }
        case TPushButtonLook::Normal:
        case TPushButtonLook::Disabled:
            PlainFace(canvas, r, Color());
            break;
    }
    return r;
}

TRect TMwButton::PaintHotTrackDisabled(cl::TCanvas& canvas, const TRect& client) {
    // The outermost ring stays the parent's image.
    TRect r = Inset(client, 1, 1);
    RoundedOutline(canvas, r, Color() == cl::clBtnFace ? LightenColor(cl::clBtnShadow, 30) : DarkenColor(Color(), 80));
    r = Inset(r, 1, 1);
    FillRect(canvas, r, Color());
    return r;
}

void TMwButton::PaintDownPattern(cl::TCanvas& canvas, const TRect& r) {
    // A checkerboard of Color and silver (gray when Color is silver itself).
    TMemoryBitmap pattern(canvas.Handle(), 8, 8);
    FillSolid(pattern.DC(), {0, 0, 8, 8}, Color());
    const COLORREF dots = cl::ColorToRGB(Color()) == static_cast<COLORREF>(cl::clSilver) ? cl::clGray : cl::clSilver;
    for (int y = 0; y < 8; ++y)
        for (int x = y % 2; x < 8; x += 2) SetPixel(pattern.DC(), x, y, dots);
    cl::TBrushHandle brush(CreatePatternBrush(pattern.Bitmap()));
    const RECT rc{r.left, r.top, r.right, r.bottom};
    ::FillRect(canvas.Handle(), &rc, brush.Get());
}

void TMwButton::Paint(cl::TCanvas& canvas) {
    const TRect client = ClientRect();
    const bool themed = ThemesEnabled();
    TRect focus = Inset(client, HotTrack() || themed ? 3 : 4, HotTrack() || themed ? 3 : 4);
    if (groupIndex_ != 0 && PressedOrDown()) focus = {focus.left + 1, focus.top + 1, focus.right + 1, focus.bottom + 1};

    TRect r;
    if (themed) r = PaintThemed(canvas, client);
    else if (!HotTrack()) r = PaintClassic(canvas, client);
    else if (Enabled()) r = PaintHotTrack(canvas, client);
    else r = PaintHotTrackDisabled(canvas, client);

    if (groupIndex_ != 0 && down_ && showDownPattern_) PaintDownPattern(canvas, r);
    canvas.Font().Assign(*Font());
    canvas.SetBrushColor(Color());
    DrawCaptionText(canvas);
    if (Focused() && showFocusRect_) DrawDottedFocusBorder(canvas, focus);
}
