#pragma once
// A check box with three states.
//
// This class offers what the program uses so far: the properties, the states and the click;
// the library's own glyphs and 3-D caption come later (the system draws the box).

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"

enum class TCheckBoxState { Unchecked, Checked, Grayed };

class TMwCheckBox : public cl::TControl {
    CL_CLASS_INFO()
public:
    explicit TMwCheckBox(cl::TComponent* owner);

    TCheckBoxState State() const { return state_; }
    // A change runs the click (OnClick).
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == TCheckBoxState::Checked; }
    void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::Checked : TCheckBoxState::Unchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v);
    // taRightJustify: the caption is right of the box; taLeftJustify: left of it.
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v);
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical v) { alignmentVertical_ = v; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    cl::TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(cl::TColor v) { hotTrackColor_ = v; }
    TMwHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TMwHotTrackColorType v) { hotTrackColorType_ = v; }
    cl::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(cl::TColor v) { highlightColor_ = v; }
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool v) { lightTextStyle_ = v; }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v) { textStyle_ = v; }
    cl::TColor TextHighlightColor() const { return textHighlightColor_; }
    void SetTextHighlightColor(cl::TColor v) { textHighlightColor_ = v; }
    cl::TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(cl::TColor v) { textShadowColor_ = v; }
    int TextShadowDepth() const { return textShadowDepth_; }
    void SetTextShadowDepth(int v) { textShadowDepth_ = v; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool v) { useCustomGlyphs_ = v; }
    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { frameColor_ = v; }
    cl::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(cl::TColor v) { disabledColor_ = v; }
    cl::TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(cl::TColor v) { transparentColor_ = v; }
    cl::TColor WinMaskColor() const { return winMaskColor_; }
    void SetWinMaskColor(cl::TColor v) { winMaskColor_ = v; }
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }

    // Older form resources carry "Flat", which is HotTrack now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;
    void WndProc(cl::TMessage& message) override;

private:
    TCheckBoxState state_ = TCheckBoxState::Unchecked;
    bool allowGrayed_ = false;
    cl::TAlignment alignment_ = cl::TAlignment::RightJustify;
    TAlignmentVertical alignmentVertical_ = TAlignmentVertical::Top;
    bool hotTrack_ = false;
    cl::TColor hotTrackColor_ = cl::clHighlight;
    TMwHotTrackColorType hotTrackColorType_ = TMwHotTrackColorType::Complement;
    cl::TColor highlightColor_ = cl::clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = TTextStyle::Normal;
    cl::TColor textHighlightColor_ = cl::clBtnHighlight;
    cl::TColor textShadowColor_ = cl::clBtnShadow;
    int textShadowDepth_ = 2;
    bool transparent_ = false;
    bool useCustomGlyphs_ = false;
    cl::TColor frameColor_ = cl::clBtnShadow;
    cl::TColor disabledColor_ = cl::clBtnFace;
    cl::TColor transparentColor_ = cl::clOlive;
    cl::TColor winMaskColor_ = cl::clLime;
    bool tabOnEnter_ = false;
    mw::TMouseTracking mouse_;
};
