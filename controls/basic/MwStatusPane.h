#pragma once
// A pane of a status bar: a framed caption with alignment, fill colour and an automatic width.
// The clock and version panes set the caption.
//
// This class offers what the program uses so far: the properties, the classic frame and the
// caption; blinking is stored, not shown.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"

class TMwCustomStatusPane : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomStatusPane(cl::TComponent* owner);

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { StoreAndInvalidate(borderWidth_, v); }
    cl::TColor FillColor() const { return fillColor_; }
    void SetFillColor(cl::TColor v) { StoreAndInvalidate(fillColor_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle v) { StoreAndInvalidate(frameStyle_, v); }
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v) { StoreAndInvalidate(alignment_, v); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Blinking() const { return blinking_; }
    void SetBlinking(bool v) { StoreAndInvalidate(blinking_, v); }
    cl::TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(cl::TColor v) { StoreAndInvalidate(blinkColor_, v); }
    // Shared by every blinking control of the process.
    int BlinkIntervalOn() const;
    void SetBlinkIntervalOn(int v);
    int BlinkIntervalOff() const;
    void SetBlinkIntervalOff(int v);
    int CaptionOffset() const { return captionOffset_; }
    void SetCaptionOffset(int v);
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int v);

    const std::string& PaneCaption() const { return paneCaption_; }
    void Loaded() override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    // Sets the shown text; repaints and adjusts the width when it changed.
    void ChangePaneCaption(const std::string& text);
    virtual int GetAutoWidth();
    virtual cl::TRect GetTextRect();
    virtual void DrawCaption(HDC dc, const std::string& text);
    void DrawPaneFrame(HDC dc);
    void AdjustWidth();
    int TextWidth(const std::string& text);
    // y of a text line centred in r.
    int TextTop(HDC dc, const cl::TRect& r);


private:
    int borderWidth_ = 1;
    cl::TColor fillColor_ = cl::clBtnFace;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 30;
    TFrameStyle frameStyle_ = TFrameStyle::Flat;
    cl::TAlignment alignment_ = cl::TAlignment::LeftJustify;
    bool autoSize_ = false;
    bool blinking_ = false;
    cl::TColor blinkColor_ = cl::clHighlight;
    int captionOffset_ = 2;
    int defaultWidth_ = 40;
    std::string paneCaption_;
    mw::TMouseTracking mouse_;
};

