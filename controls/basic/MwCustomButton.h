#pragma once
// The base of the library's focusable, self-painted buttons. It tracks the left mouse button
// (the button looks pressed while the pointer stays on it and toggles when released there),
// tells when the pointer enters and leaves, draws the 3-D caption, and can paint its
// parent's image behind itself (Transparent).

#include <windows.h>

#include "classlib/core/Event.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Control.h"
#include "controls/basic/MouseTracking.h"
#include "controls/foundation/FrameModel.h"

class TMwCustomButton : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomButton(cl::TComponent* owner);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical v) { StoreAndInvalidate(alignmentVertical_, v); }
    cl::TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(cl::TColor v) { StoreAndInvalidate(hotTrackColor_, v); }
    TMwHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TMwHotTrackColorType v) { StoreAndInvalidate(hotTrackColorType_, v); }
    cl::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(cl::TColor v) { StoreAndInvalidate(highlightColor_, v); }
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool v) { StoreAndInvalidate(lightTextStyle_, v); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v) { StoreAndInvalidate(textStyle_, v); }
    cl::TColor TextHighlightColor() const { return textHighlightColor_; }
    void SetTextHighlightColor(cl::TColor v) { StoreAndInvalidate(textHighlightColor_, v); }
    cl::TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(cl::TColor v) { StoreAndInvalidate(textShadowColor_, v); }
    int TextShadowDepth() const { return textShadowDepth_; }
    void SetTextShadowDepth(int v) { StoreAndInvalidate(textShadowDepth_, v); }
    bool HotTrack() const { return hotTrack_; }
    virtual void SetHotTrack(bool v) { StoreAndInvalidate(hotTrack_, v); }
    // Erasing paints the parent's image instead of the control's colour.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndInvalidate(transparent_, v); }
    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    bool MouseOver() const { return mouseOver_; }
    // Drawn pressed: the left mouse button holds it with the pointer on it (or a key does).
    bool PressedLook() const { return pressedLook_; }

    void SetEnabled(bool enabled) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    // The button's look changed (pressed, released, latched).
    virtual void ButtonStateChanged() {}
    virtual void RepaintButton() { Repaint(); }
    // What hot tracking repaints when the pointer enters or leaves.
    virtual cl::TRect GetHotTrackRect() { return ClientRect(); }
    // Draws the caption in r with the DrawText flags, in the text style, placed vertically by
    // AlignmentVertical; right-to-left alignment aligns it right and reads it right to left.
    virtual void DrawCaption(cl::TCanvas& canvas, const cl::TRect& r, UINT flags);
    // A press released on the button.
    virtual void Toggle() = 0;
    virtual void MouseEnter();
    virtual void MouseLeave();

    void SetPressedLook(bool pressed) { pressedLook_ = pressed; }
    // The height of the caption word-wrapped into r's width, in the control's font.
    int CaptionHeight(HDC dc, const cl::TRect& r);
    static bool ThemesEnabled();

    void WndProc(cl::TMessage& message) override;

private:
    // Hot tracking and themes show the pointer over the button.
    void RepaintHotTrackRect();
    void PressLeftButton();
    void TrackPress(cl::TPoint point);
    void ReleaseLeftButton(cl::TPoint point);

    TAlignmentVertical alignmentVertical_ = TAlignmentVertical::Center;
    cl::TColor hotTrackColor_ = cl::clHighlight;
    TMwHotTrackColorType hotTrackColorType_ = TMwHotTrackColorType::Complement;
    cl::TColor highlightColor_ = cl::clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = TTextStyle::Normal;
    cl::TColor textHighlightColor_ = cl::clBtnHighlight;
    cl::TColor textShadowColor_ = cl::clBtnShadow;
    int textShadowDepth_ = 2;
    bool hotTrack_ = false;
    bool transparent_ = false;
    bool mouseOver_ = false;
    bool pressedLook_ = false;
    bool dragging_ = false;  // the left button went down on the button and is still held
    mw::TMouseTracking mouse_;
};
