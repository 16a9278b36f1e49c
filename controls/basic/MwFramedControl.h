#pragma once
// The framing model that the framed edits, combo boxes, tree and list views share, laid over a common control of
// the class library: a flat frame drawn in the non-client area (over the control's 2-pixel
// client edge) with its own colours and hot tracking, colours that follow focus and the
// enabled state, a frame controller that sets these properties by name, and mouse enter and
// leave events. The frame is left to the theme when themes are on and preferred.

#include <windows.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/RetiredFrameProperties.h"
#include "controls/foundation/FrameModel.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwThemeSrv.h"

template <class Base>
class TMwFramedControl : public Base {
public:
    explicit TMwFramedControl(cl::TComponent* owner) : Base(owner) {
        Base::SetTabStop(true);
        Base::SetParentColor(false);
    }
    ~TMwFramedControl() override {
        this->Destroying();
        if (frameController_) frameController_->UnregisterControl(this);
    }

    bool FrameVisible() const { return frameVisible_; }
    virtual void SetFrameVisible(bool v) {
        if (v == frameVisible_) return;
        frameVisible_ = v;
        // The frame is drawn over the client edge, so the window keeps its styles.
        RepaintFrame();
    }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle v) { StoreAndRepaintFrame(frameStyle_, v); }
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyle v) { StoreAndRepaintFrame(frameHotStyle_, v); }
    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { StoreAndRepaintFrame(frameColor_, v); }
    cl::TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(cl::TColor v) { StoreAndRepaintFrame(frameHotColor_, v); }
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides v) { StoreAndRepaintFrame(frameSides_, v & sdAll); }
    bool FrameHotTrack() const { return frameHotTrack_; }
    // Turning hot tracking on shows the frame, on all four sides unless loading.
    void SetFrameHotTrack(bool v) {
        frameHotTrack_ = v;
        if (v) {
            SetFrameVisible(true);
            if (!this->IsLoading()) frameSides_ = sdAll;
        }
        RepaintFrame();
        this->Invalidate();
    }
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference v) {
        if (v == framingPreference_) return;
        framingPreference_ = v;
        if (v == TFramingPreference::CustomFraming) RepaintFrame();
    }
    TMwFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TMwFrameController* controller) {
        if (frameController_) frameController_->UnregisterControl(this);
        frameController_ = controller;
        if (!controller) return;
        controller->RegisterControl(this);
        this->FreeNotification(controller);
    }
    cl::TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(cl::TColor v) {
        focusColor_ = v;
        if (this->Focused()) UpdateColors();
    }
    cl::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(cl::TColor v) {
        disabledColor_ = v;
        if (!this->Enabled()) UpdateColors();
    }
    cl::TColor Color() const { return Base::Color(); }
    // A change by the program or the form resource (not by focus or the enabled state) also
    // becomes the normal colour, and takes a focus colour along that equalled the old one.
    void SetColor(cl::TColor v) {
        if (v == Base::Color()) return;
        if (updatingColors_) {
            this->LendColor(v);
        } else {
            Base::SetColor(v);
            TakeNormalColor(v);
        }
        if (frameVisible_ && !UseThemes()) RepaintFrame();
    }

    void SetEnabled(bool enabled) override {
        Base::SetEnabled(enabled);
        UpdateColors();
    }
    void Loaded() override {
        Base::Loaded();
        UpdateColors();
        UpdateFrame(false, false);
    }
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override {
        return mw::ReadRetiredFrameProperty(*this, name, value) || Base::ReadExtraProperty(name, value);
    }

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

    // Adds the shared published properties to the table of the framed class C.
    template <class C>
    static cl::TClassBuilder<C>& AddFrameProperties(cl::TClassBuilder<C>& builder) {
        return builder.Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible)
            .template Enum<TFrameStyle>("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, mw::kFrameStyleNames)
            .template Enum<TFrameStyle>("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, mw::kFrameStyleNames)
            .Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack)
            .Color("FrameColor", &C::FrameColor, &C::SetFrameColor)
            .Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor)
            .Set("FrameSides", &C::FrameSides, &C::SetFrameSides, mw::kSideNames)
            .template Enum<TFramingPreference>("FramingPreference", &C::FramingPreference, &C::SetFramingPreference,
                                               mw::kFramingPreferenceNames)
            .template Ref<TMwFrameController>("FrameController", &C::FrameController, &C::SetFrameController)
            .Color("FocusColor", &C::FocusColor, &C::SetFocusColor)
            .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
            .Color("Color", &C::Color, &C::SetColor)
            .Event("OnMouseEnter", static_cast<cl::TNotifyEvent C::*>(&C::OnMouseEnter))
            .Event("OnMouseLeave", static_cast<cl::TNotifyEvent C::*>(&C::OnMouseLeave));
    }

protected:
    // The colour for the state: disabled, focused or normal.
    void UpdateColors() {
        if (this->IsLoading()) return;
        updatingColors_ = true;
        try {
            SetColor(!this->Enabled() ? disabledColor_ : this->Focused() ? focusColor_ : normalColor_);
        } catch (...) {
            updatingColors_ = false;
            throw;
        }
        updatingColors_ = false;
    }
    virtual void UpdateFrame(bool viaMouse, bool inFocus) {
        if (viaMouse) mouseOver_ = inFocus;
        if (frameHotTrack_) RepaintFrame();
        UpdateColors();
    }
    virtual void RepaintFrame() {
        if (this->HandleAllocated())
            RedrawWindow(this->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
    bool UseThemes() const {
        return framingPreference_ == TFramingPreference::XPThemes && mw::ThemeServices().ThemesEnabled();
    }
    // Where the frame goes, in window coordinates: the whole window unless a descendant keeps
    // part of it for something else.
    virtual cl::TRect FrameRect() { return {0, 0, this->Width(), this->Height()}; }
    // Draws the frame now, over whatever the window shows.
    void PaintFrame() {
        const bool hot = frameHotTrack_ && (this->Focused() || mouseOver_);
        const cl::TRect r = FrameRect();
        const cl::TWindowDC dc(this->Handle(), cl::TWindowDC::TArea::Whole);
        SetViewportOrgEx(dc.Handle(), r.left, r.top, nullptr);
        cl::TCanvas canvas(dc.Handle());
        mw::DrawControlFrame(canvas, r.Width(), r.Height(), false, frameSides_, hot ? frameHotColor_ : frameColor_, Color(),
                             hot ? frameHotStyle_ : frameStyle_);
    }
    bool MouseOver() const { return mouseOver_; }
    virtual void MouseEnter() { OnMouseEnter(this); }
    virtual void MouseLeave() { OnMouseLeave(this); }
    // Gives the window the control's colour (its own messages for it).
    virtual void ApplyBackgroundColor() {}

    void ColorChanged() override {
        Base::ColorChanged();
        if (this->HandleAllocated()) ApplyBackgroundColor();
    }
    // The parent's colour becomes the normal colour, which focus and the enabled state then
    // lend their own colours over.
    void ParentColorChanged() override {
        if (this->ParentColor() && this->Parent()) TakeNormalColor(this->Parent()->Color());
        Base::ParentColorChanged();
        UpdateColors();
        if (frameVisible_ && !UseThemes()) RepaintFrame();
    }
    void Notification(cl::TComponent* component, cl::TOperation operation) override {
        Base::Notification(component, operation);
        if (operation == cl::TOperation::Remove && component == frameController_) frameController_ = nullptr;
    }

    void WndProc(cl::TMessage& m) override {
        switch (mouse_.Handle(this->Handle(), m.msg)) {
            case mw::TMouseTracking::TChange::Entered:
                UpdateFrame(true, true);
                MouseEnter();
                break;
            case mw::TMouseTracking::TChange::Left:
                UpdateFrame(true, false);
                MouseLeave();
                break;
            case mw::TMouseTracking::TChange::None: break;
        }
        switch (m.msg) {
            case WM_NCPAINT:
                Base::WndProc(m);
                if (frameVisible_ && !UseThemes()) PaintFrame();
                m.result = 0;
                return;
            case WM_SIZE:
                Base::WndProc(m);
                if (frameVisible_ && !UseThemes()) RepaintFrame();
                return;
            case WM_SETFOCUS:
                UpdateFrame(false, true);
                Base::WndProc(m);
                return;
            case WM_KILLFOCUS:
                Base::WndProc(m);
                UpdateFrame(false, false);
                return;
            case WM_SYSCOLORCHANGE:
                Base::WndProc(m);
                if (cl::IsSystemColor(Color())) ColorChanged();
                return;
            default: break;
        }
        Base::WndProc(m);
    }

private:
    // A focus colour that equalled the old normal colour goes along with the new one.
    void TakeNormalColor(cl::TColor v) {
        if (focusColor_ == normalColor_) focusColor_ = v;
        normalColor_ = v;
    }
    template <class T>
    void StoreAndRepaintFrame(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RepaintFrame();
    }

    bool frameVisible_ = false;
    TFrameStyle frameStyle_ = TFrameStyle::Flat;
    TFrameStyle frameHotStyle_ = TFrameStyle::FlatBold;
    bool frameHotTrack_ = false;
    cl::TColor frameColor_ = cl::clBtnShadow;
    cl::TColor frameHotColor_ = cl::clBtnShadow;
    TSides frameSides_ = sdAll;
    TFramingPreference framingPreference_ = TFramingPreference::XPThemes;
    TMwFrameController* frameController_ = nullptr;
    cl::TColor focusColor_ = cl::clWindow;
    cl::TColor disabledColor_ = cl::clBtnFace;
    cl::TColor normalColor_ = cl::clWindow;
    bool updatingColors_ = false;
    bool mouseOver_ = false;
    mw::TMouseTracking mouse_;
};
