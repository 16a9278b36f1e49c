#pragma once
// A pane of a status bar: a framed caption with alignment, a fill colour, blinking text (in
// step with every blinking control of the process) and an automatic width. On a themed status
// bar it draws the themed pane; where it covers the bar's size grip it paints the grip over
// itself and lets the mouse through to the bar. The clock and version panes set the caption.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/basic/MouseTracking.h"
#include "controls/foundation/FrameModel.h"
#include "controls/foundation/MwFrameNotify.h"

class TMwFrameController;
class TMwStatusBar;

class TMwCustomStatusPane : public cl::TCustomControl, public IMwFrameNotify {
    CL_CLASS_INFO()
public:
    explicit TMwCustomStatusPane(cl::TComponent* owner);
    ~TMwCustomStatusPane() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int v) { StoreAndInvalidate(borderWidth_, v); }
    // The colour behind the caption text.
    cl::TColor FillColor() const { return fillColor_; }
    virtual void SetFillColor(cl::TColor v) { StoreAndInvalidate(fillColor_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle v) { StoreAndInvalidate(frameStyle_, v); }
    TMwFrameController* FrameController() const { return frameController_; }
    // Leaves the old controller and joins the new one, which pushes its frame at once.
    virtual void SetFrameController(TMwFrameController* controller);
    cl::TAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(cl::TAlignment v) { StoreAndInvalidate(alignment_, v); }
    // Keeps the width at what the caption needs (GetAutoWidth).
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool v);
    bool Blinking() const { return blinking_; }
    // Switching blinking off brings the normal text colour back at once.
    virtual void SetBlinking(bool v);
    // The text colour of the blink phase.
    cl::TColor BlinkColor() const { return blinkColor_; }
    virtual void SetBlinkColor(cl::TColor v) { StoreAndInvalidate(blinkColor_, v); }
    // Milliseconds of each blink phase, shared by every blinking control of the process.
    int BlinkIntervalOn() const;
    void SetBlinkIntervalOn(int v);
    int BlinkIntervalOff() const;
    void SetBlinkIntervalOff(int v);
    // Pixels between the text and the edge it is aligned to.
    int CaptionOffset() const { return captionOffset_; }
    virtual void SetCaptionOffset(int v);
    // The width an auto-sized pane takes without a caption.
    int DefaultWidth() const { return defaultWidth_; }
    virtual void SetDefaultWidth(int v);

    const std::string& PaneCaption() const { return paneCaption_; }

    void Loaded() override;
    // Takes the controller's frame style and colours while its frame is visible.
    void UpdateFrameFromController() override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void FontChanged() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

    // Sets a different caption, repaints and adjusts the width.
    void ChangePaneCaption(const std::string& text);
    // Only stores the caption (for a pane that has drawn it already).
    void StorePaneCaption(const std::string& text) { paneCaption_ = text; }
    virtual int GetAutoWidth();
    // Where the caption is drawn.
    virtual cl::TRect GetTextRect();
    virtual void DrawCaption(cl::TCanvas& canvas, const std::string& text);
    virtual void DrawPaneFrame(cl::TCanvas& canvas);
    // The blink phase (on: BlinkColor) or the normal look.
    virtual void Blink(bool on);
    // r (in pane coordinates) reaches the right edge of the status bar's client area.
    virtual bool IsAtSizeGrip(const cl::TRect& r);
    void AdjustWidth();
    virtual void MouseEnter() { OnMouseEnter(this); }
    virtual void MouseLeave() { OnMouseLeave(this); }

    // The status bar the pane sits on, if any.
    TMwStatusBar* StatusBar() const;
    // On a status bar that draws its children themed.
    bool Themed() const;
    // The text's width in the pane's font, measured on the screen.
    int TextWidth(const std::string& text);
    // y of a line of text centred in r, in the canvas's font.
    static int CaptionTop(cl::TCanvas& canvas, const cl::TRect& r);
    // Text at (x, y) clipped to r, over the fill colour or (transparent) over what is there.
    static void DrawTextClipped(HDC dc, const cl::TRect& r, int x, int y, const std::string& text, cl::TColor textColor,
                                bool transparent, cl::TColor fillColor);
    cl::TColor CurrentTextColor() const { return currentColor_; }

private:
    bool InGripStrip(LPARAM screenPoint);

    int borderWidth_ = 1;
    cl::TColor fillColor_ = cl::clBtnFace;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 30;
    TFrameStyle frameStyle_ = TFrameStyle::Flat;
    TMwFrameController* frameController_ = nullptr;
    cl::TAlignment alignment_ = cl::TAlignment::LeftJustify;
    bool autoSize_ = false;
    bool blinking_ = false;
    cl::TColor blinkColor_ = cl::clHighlight;
    int captionOffset_ = 2;
    int defaultWidth_ = 40;
    std::string paneCaption_;
    cl::TColor normalColor_ = cl::clWindowText;  // the font's colour
    cl::TColor currentColor_ = cl::clWindowText;  // the normal colour, or BlinkColor in the blink phase
    mw::TMouseTracking mouse_;
};
