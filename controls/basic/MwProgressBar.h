#pragma once
// A progress indicator driven through Percent (or PartsComplete out of TotalParts): a plain
// bar with a centred percentage, or a row of blocks, inside configurable borders. Setting
// Percent repaints at once, so the value shows while the caller keeps the message loop busy.
//
// This class offers what the program uses so far: the properties and the classic look.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

using TProgressChangeEvent = cl::TEvent<cl::TObject*, int>;

class TMwCustomProgressBar : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwCustomProgressBar(cl::TComponent* owner);

    int Percent() const { return percent_; }
    // Fires OnChange with the new value, then repaints at once. Not clamped to 100.
    virtual void SetPercent(int v);
    int PartsComplete() const { return partsComplete_; }
    // Clamped to TotalParts; sets Percent from the ratio when TotalParts is not 0.
    void SetPartsComplete(int v);
    int TotalParts() const { return totalParts_; }
    // Outside loading, resets PartsComplete and Percent to 0.
    void SetTotalParts(int v);
    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle v);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation v) { StoreAndRepaint(orientation_, v); }
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool v) { StoreAndRepaint(showPercent_, v); }
    int NumSegments() const { return numSegments_; }
    void SetNumSegments(int v) { StoreAndRepaint(numSegments_, v < 1 ? 1 : v > 100 ? 100 : v); }
    int InteriorOffset() const { return interiorOffset_; }
    void SetInteriorOffset(int v) { StoreAndRepaint(interiorOffset_, v & 0xFF); }
    cl::TColor BackColor() const { return backColor_; }
    void SetBackColor(cl::TColor v) { StoreAndRepaint(backColor_, v); }
    cl::TColor BarColor() const { return barColor_; }
    // Also becomes the font colour.
    void SetBarColor(cl::TColor v);
    cl::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(cl::TColor v) { StoreAndRepaint(borderColor_, v); }
    TFrameStyle BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyle v) { StoreAndRepaint(borderInner_, v); }
    TFrameStyle BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyle v) { StoreAndRepaint(borderOuter_, v); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { StoreAndRepaint(borderWidth_, v < 0 ? 0 : v); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { StoreAndRepaint(bevelWidth_, v < 1 ? 1 : v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int v) { StoreAndInvalidate(flatColorAdjustment_, v); }
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool v) { StoreAndInvalidate(themeAware_, v); }

    // The bar grows along the longer side.
    void SetBounds(int left, int top, int width, int height) override;

    TProgressChangeEvent OnChange;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    template <class T>
    void StoreAndRepaint(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    void DrawBar(HDC dc, const cl::TRect& r);

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

