#include "controls/basic/MwToolbarButton.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/BitBtnLayout.h"
#include "controls/basic/GlyphButtonLayout.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

const cl::TClassInfo& TMwToolbarButton::StaticClass() {
    using B = TMwToolbarButton;
    static const auto info = cl::TClassBuilder<B>("TMwToolbarButton", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
                                 .Ref<cl::TAction>("Action", &B::Action, &B::SetAction)
                                 .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
                                 .Bool("Down", &B::Down, &B::SetDown)
                                 .Bool("Flat", &B::Flat, &B::SetFlat)
                                 .Binary("Glyph", &B::GlyphData, &B::SetGlyphData)
                                 .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
                                 .Binary("HotGlyph", &B::HotGlyphData, &B::SetHotGlyphData)
                                 .Int("HotNumGlyphs", &B::HotNumGlyphs, &B::SetHotNumGlyphs)
                                 .Bool("IgnoreActionCaption", &B::IgnoreActionCaption, &B::SetIgnoreActionCaption)
                                 .Enum<TButtonLayout>("Layout", &B::Layout, &B::SetLayout, kButtonLayoutNames)
                                 .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs)
                                 .Bool("ShowCaption", &B::ShowCaption, &B::SetShowCaption)
                                 .Bool("UseHotGlyph", &B::UseHotGlyph, &B::SetUseHotGlyph)
                                 .Event("OnMouseEnter", &B::OnMouseEnter)
                                 .Event("OnMouseLeave", &B::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwToolbarButton::TMwToolbarButton(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        numGlyphs_ = NumGlyphsForGlyph(glyph_.Width(), glyph_.Height(), numGlyphs_);
        Invalidate();
    });
    hotGlyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        hotNumGlyphs_ = NumGlyphsForGlyph(hotGlyph_.Width(), hotGlyph_.Height(), hotNumGlyphs_);
        useHotGlyph_ = true;
    });
}

TMwToolbarButton::~TMwToolbarButton() {
    if (action_) action_->UnregisterClient(this);
}

// ---- caption ----

void TMwToolbarButton::SetButtonCaption(const std::string& caption) {
    if (showCaption_) {
        SetCaption(caption);
        return;
    }
    savedCaption_ = caption;
    SetCaption("");
}

void TMwToolbarButton::SetShowCaption(bool v) {
    if (v == showCaption_) return;
    showCaption_ = v;
    if (v) {
        SetCaption(savedCaption_);
    } else {
        savedCaption_ = Caption();
        SetCaption("");
    }
    Invalidate();
}

bool TMwToolbarButton::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "SaveCaption") || value.kind != cl::TValue::Kind::String)
        return cl::TCustomControl::ReadExtraProperty(name, value);
    savedCaption_ = value.text;
    return true;
}

// ---- action and latching ----

void TMwToolbarButton::SetAction(cl::TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (!action) return;
    action->RegisterClient(this);
    TakeActionValues(*action, IsLoading());
}

void TMwToolbarButton::TakeActionValues(const cl::TAction& action, bool onlyDefaults) {
    if (!ignoreActionCaption_ && (!onlyDefaults || Caption().empty())) SetButtonCaption(action.Caption());
    if (!onlyDefaults || Enabled()) SetEnabled(action.Enabled());
    if (!onlyDefaults || Hint().empty()) SetHint(action.Hint());
    if (!onlyDefaults || Visible()) SetVisible(action.Visible());
    if (!onlyDefaults || !down_) SetDown(action.Checked());
    TakeActionImage(action);
    linked_ = TActionLinkValues::Of(action);
}

void TMwToolbarButton::TakeActionImage(const cl::TAction& action) {
    cl::TCustomImageList* images = action.ActionList() ? action.ActionList()->Images() : nullptr;
    if (!images || action.ImageIndex() < 0 || action.ImageIndex() >= images->Count()) return;
    // On magenta, which the glyph then leaves out (from its lower-left pixel) where the image
    // has no pixels of its own.
    TMemoryBitmap image(nullptr, images->Width(), images->Height());
    FillSolid(image.DC(), {0, 0, images->Width(), images->Height()}, static_cast<cl::TColor>(RGB(0xFF, 0, 0xFF)));
    {
        cl::TCanvas canvas(image.DC());
        images->Draw(canvas, 0, 0, action.ImageIndex(), true);
    }
    glyph_.AssignPart(image.DC(), {0, 0, images->Width(), images->Height()});
}

void TMwToolbarButton::ActionChanged(cl::TAction& action) {
    if (&action != action_) return;
    const std::string shown = showCaption_ ? Caption() : savedCaption_;
    if (!ignoreActionCaption_ && shown == linked_.caption) SetButtonCaption(action.Caption());
    if (Enabled() == linked_.enabled) SetEnabled(action.Enabled());
    if (Hint() == linked_.hint) SetHint(action.Hint());
    if (Visible() == linked_.visible) SetVisible(action.Visible());
    if (down_ == linked_.checked) SetDown(action.Checked());
    TakeActionImage(action);
    linked_ = TActionLinkValues::Of(action);
    Invalidate();
}

void TMwToolbarButton::ActionFreed(cl::TAction& action) {
    if (&action == action_) action_ = nullptr;
}

void TMwToolbarButton::Click() {
    if (action_ && !(OnClick && OnClick != action_->OnExecute)) action_->Execute();
    else cl::TCustomControl::Click();
}

void TMwToolbarButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = v;
    if (v && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TMwToolbarButton*>(Parent()->Controls(i));
                other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
    Invalidate();
}

// ---- mouse ----

void TMwToolbarButton::MouseEnter() {
    mouseOver_ = true;
    if (Enabled() && useHotGlyph_ && !swapPending_) hotSwapped_ = !hotGlyph_.Empty();
    OnMouseEnter(this);
    Repaint();
}

void TMwToolbarButton::MouseLeave() {
    mouseOver_ = false;
    hotSwapped_ = false;
    swapPending_ = false;
    OnMouseLeave(this);
    Repaint();
}

void TMwToolbarButton::Press() {
    if (!Enabled()) return;
    if (useHotGlyph_) swapPending_ = true;
    dragging_ = pressed_ = true;
    SetCapture(Handle());
    Invalidate();
}

void TMwToolbarButton::TrackPress(cl::TPoint p) {
    // Dragged off while held, the button looks released; back on it, pressed again.
    const bool inside = p.x >= 0 && p.x < ClientWidth() && p.y >= 0 && p.y < ClientHeight();
    if (!dragging_ || inside == pressed_) return;
    pressed_ = inside;
    Invalidate();
}

void TMwToolbarButton::Release(cl::TPoint p) {
    if (!dragging_) return;
    dragging_ = pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    const bool inside = p.x >= 0 && p.x < ClientWidth() && p.y >= 0 && p.y < ClientHeight();
    if (inside && groupIndex_ != 0) SetDown(!down_);
    Invalidate();
    if (inside) Click();
}

void TMwToolbarButton::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: MouseEnter(); break;
        case TMouseTracking::TChange::Left: MouseLeave(); break;
        case TMouseTracking::TChange::None: break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            Press();
            m.result = 0;
            return;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click is a press (and a click) of its own.
            Press();
            break;
        case WM_MOUSEMOVE:
            TrackPress(point);
            break;
        case WM_LBUTTONUP:
            Release(point);
            m.result = 0;
            return;
        case cl::CM_DIALOGCHAR:
            if (IsCaptionAccelerator(Caption(), static_cast<char>(m.wParam)) && Enabled() && Showing()) {
                if (groupIndex_ > 0) SetDown(!down_);
                Click();
                m.result = 1;
                return;
            }
            break;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwToolbarButton::Paint(cl::TCanvas& canvas) {
    cl::TRect r = ClientRect();
    FillSolid(canvas.Handle(), r, Color());
    const bool sunken = pressed_ || down_;
    if (flat_) {
        if (sunken) r = PaintBorder(canvas, r, TFrameStyle::Status);
        else if (mouseOver_ && Enabled()) r = PaintBorder(canvas, r, TFrameStyle::Popup);
    } else {
        r = PaintBorder(canvas, r, sunken ? TFrameStyle::Lowered : TFrameStyle::ButtonUp);
    }
    const TMwGlyph& glyph = hotSwapped_ ? hotGlyph_ : glyph_;
    const int images = hotSwapped_ ? hotNumGlyphs_ : numGlyphs_;
    const int shift = sunken ? 1 : 0;
    cl::TRect text = r;
    if (!glyph.Empty()) {
        // Up, disabled, pressed, down: the image of the state when the glyph has it.
        int image = 0;
        if (!Enabled()) image = 1;
        else if (down_) image = 3;
        else if (pressed_) image = 2;
        if (image >= images) image = 0;
        const int w = glyph.Width() / images, h = glyph.Height();
        const bool stacked = layout_ == TButtonLayout::GlyphTop || layout_ == TButtonLayout::GlyphBottom;
        const bool withText = showCaption_ && !Caption().empty();
        int x = r.left + (r.Width() - w) / 2, y = r.top + (r.Height() - h) / 2;
        if (withText && !stacked) x = layout_ == TButtonLayout::GlyphLeft ? r.left + 2 : r.right - w - 2;
        if (withText && stacked) y = layout_ == TButtonLayout::GlyphTop ? r.top + 2 : r.bottom - h - 2;
        glyph.Draw(canvas, cl::TRect::FromBounds(x + shift, y + shift, w, h), cl::TRect::FromBounds(image * w, 0, w, h));
        switch (layout_) {
            case TButtonLayout::GlyphLeft: text.left = x + w + 2; break;
            case TButtonLayout::GlyphRight: text.right = x - 2; break;
            case TButtonLayout::GlyphTop: text.top = y + h; break;
            case TButtonLayout::GlyphBottom: text.bottom = y; break;
        }
    }
    if (!showCaption_ || Caption().empty()) return;
    canvas.Font().Assign(*Font());
    if (!Enabled()) canvas.Font().SetColor(cl::clBtnShadow);
    canvas.TextRect(cl::TRect{text.left + shift, text.top + shift, text.right + shift, text.bottom + shift}, Caption(),
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
