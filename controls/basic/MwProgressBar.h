#pragma once
// A progress indicator driven through Percent, or through PartsComplete out of TotalParts: a
// plain bar with a centred percentage text, or a row of blocks (LED style), inside
// configurable borders. With visual themes it draws the themed progress frame, and on a
// themed status bar the bar's background and pane behind itself. Setting Percent repaints at
// once, so the value shows while the caller keeps the message loop busy; every paint goes
// through an off-screen bitmap, so the bar does not flicker.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

class TMwStatusBar;

// Sender and the new Percent.
using TProgressChangeEvent = cl::TEvent<cl::TObject*, int>;

class TMwCustomProgressBar : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomProgressBar(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // Writers store and redraw only when the value differs.
    int Percent() const { return percent_; }
    // 0 to 65535, not clamped to 100: fires OnChange with the new value, then repaints at once.
    virtual void SetPercent(int v);
    int PartsComplete() const { return partsComplete_; }
    // Clamped to TotalParts; outside loading and with TotalParts not 0, sets Percent from
    // the ratio.
    virtual void SetPartsComplete(int v);
    int TotalParts() const { return totalParts_; }
    // 0 means that parts are not counted. Outside loading, resets PartsComplete and Percent to 0.
    virtual void SetTotalParts(int v);
    TBarStyle BarStyle() const { return barStyle_; }
    // LED style turns ShowPercent off and keeps one pixel of BackColor round the blocks;
    // traditional style turns ShowPercent on without that gap.
    virtual void SetBarStyle(TBarStyle v);
    TOrientation Orientation() const { return orientation_; }
    // Follows the control's shape on every resize.
    virtual void SetOrientation(TOrientation v) { StoreAndRepaint(orientation_, v); }
    bool ShowPercent() const { return showPercent_; }
    virtual void SetShowPercent(bool v) { StoreAndRepaint(showPercent_, v); }
    int NumSegments() const { return numSegments_; }
    // 1 to 100 blocks in LED style.
    virtual void SetNumSegments(int v);
    // Pixels of BackColor between the borders and the bar, 0 to 255.
    int InteriorOffset() const { return interiorOffset_; }
    virtual void SetInteriorOffset(int v);
    cl::TColor BackColor() const { return backColor_; }
    virtual void SetBackColor(cl::TColor v) { StoreAndRepaint(backColor_, v); }
    cl::TColor BarColor() const { return barColor_; }
    // Also becomes the font colour.
    virtual void SetBarColor(cl::TColor v);
    // The background under the borders and the colour of the BorderWidth band.
    cl::TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(cl::TColor v) { StoreAndRepaint(borderColor_, v); }
    TFrameStyle BorderInner() const { return borderInner_; }
    virtual void SetBorderInner(TFrameStyle v) { StoreAndRepaint(borderInner_, v); }
    TFrameStyle BorderOuter() const { return borderOuter_; }
    virtual void SetBorderOuter(TFrameStyle v) { StoreAndRepaint(borderOuter_, v); }
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int v) { StoreAndRepaint(borderWidth_, v < 0 ? 0 : v); }
    // Kept for form resources; the drawing does not use it.
    int BevelWidth() const { return bevelWidth_; }
    virtual void SetBevelWidth(int v) { StoreAndRepaint(bevelWidth_, v < 1 ? 1 : v); }
    // fsFlat borders are drawn in FlatColor shaded by FlatColorAdjustment.
    cl::TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    // Whether themed drawing includes the progress frame (on a status bar) and the themed
    // LED chunk. Whether themes are used at all is the theme services' and the status bar's
    // decision.
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool v) { StoreAndInvalidate(themeAware_, v); }

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TProgressChangeEvent OnChange;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    // The percentage is centred: a new size moves it, so the whole bar is painted anew.
    void CreateParams(TCreateParams& params) override;
    // Fires OnChange with the current Percent.
    virtual void Change();

private:
    template <class T>
    void StoreAndRepaint(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // Each returns the rectangle left for the bar.
    cl::TRect PaintThemedFrame(cl::TCanvas& canvas, const cl::TRect& client, TMwStatusBar* bar);
    cl::TRect PaintClassicBorders(cl::TCanvas& canvas, cl::TRect r);
    bool InGripStrip(LPARAM screenPoint);

    int percent_ = 0;
    int partsComplete_ = 0;
    int totalParts_ = 0;
    TBarStyle barStyle_ = TBarStyle::Traditional;
    TOrientation orientation_ = TOrientation::Horizontal;
    bool showPercent_ = true;
    int numSegments_ = 20;
    int interiorOffset_ = 0;
    cl::TColor backColor_ = cl::clWhite;
    cl::TColor barColor_ = cl::clHighlight;
    cl::TColor borderColor_ = cl::clBtnFace;
    TFrameStyle borderInner_ = TFrameStyle::None;
    TFrameStyle borderOuter_ = TFrameStyle::Lowered;
    int borderWidth_ = 0;
    int bevelWidth_ = 1;
    cl::TColor flatColor_ = cl::clBtnShadow;
    int flatColorAdjustment_ = 30;
    bool themeAware_ = true;
};

class TMwProgressBar : public TMwCustomProgressBar {
    CL_CLASS_INFO()
public:
    explicit TMwProgressBar(cl::TComponent* owner) : TMwCustomProgressBar(owner) {}
};
