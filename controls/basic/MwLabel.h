#pragma once
// The library's label: 3-D text styles, borders of the frame styles, blinking in step with the
// other blinking controls, a colour while the pointer is over it (fly-by), and text turned flat
// at any angle or laid along a curve. It paints itself.

#include <cstdint>

#include "classlib/core/Event.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/basic/LabelLayout.h"
#include "controls/basic/MouseTracking.h"
#include "controls/foundation/FrameModel.h"

class TMwLabel : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwLabel(cl::TComponent* owner);
    ~TMwLabel() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // ---- the text ----
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v) { StoreAndInvalidate(layout_, v); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // Sized to the caption (and its borders, shadow and angle) whenever they change.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // An ampersand underlines the next character instead of showing.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    // The parent's image shows behind the text instead of Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndInvalidate(transparent_, v); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v);
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool v) { StoreAndInvalidate(lightTextStyle_, v); }
    cl::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(cl::TColor v) { StoreAndInvalidate(highlightColor_, v); }
    cl::TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(cl::TColor v) { StoreAndInvalidate(shadowColor_, v); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int v);

    // ---- turning ----
    // Degrees counter-clockwise, kept in 0..359. A turn needs a TrueType font: at run time the
    // font becomes "Verdana" when it is not one.
    int Angle() const { return angle_; }
    void SetAngle(int v);
    TRotation Rotation() const { return rotation_; }
    void SetRotation(TRotation v);
    TCenterPoint CenterPoint() const { return centerPoint_; }
    void SetCenterPoint(TCenterPoint v) { StoreAndInvalidate(centerPoint_, v); }

    // ---- borders ----
    TFrameStyle BorderOuter() const { return borders_.outer; }
    void SetBorderOuter(TFrameStyle v) { SetBorder(borders_.outer, v); }
    TFrameStyle BorderInner() const { return borders_.inner; }
    void SetBorderInner(TFrameStyle v) { SetBorder(borders_.inner, v); }
    TSides BorderSides() const { return borders_.sides; }
    void SetBorderSides(TSides v) { SetBorder(borders_.sides, v & sdAll); }
    int BevelWidth() const { return borders_.bevelWidth; }
    void SetBevelWidth(int v) { SetBorder(borders_.bevelWidth, v); }
    int BorderWidth() const { return borders_.borderWidth; }
    void SetBorderWidth(int v) { SetBorder(borders_.borderWidth, v); }
    cl::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(cl::TColor v) { StoreAndInvalidate(borderColor_, v); }
    cl::TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(cl::TColor v) { StoreAndInvalidate(borderHighlight_, v); }
    cl::TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(cl::TColor v) { StoreAndInvalidate(borderShadow_, v); }
    cl::TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(cl::TColor v) { StoreAndInvalidate(flatColor_, v); }

    // ---- blinking and fly-by ----
    bool Blinking() const { return blinking_; }
    // Off: the text goes back to the normal colour at once.
    void SetBlinking(bool v);
    cl::TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(cl::TColor v) { StoreAndInvalidate(blinkColor_, v); }
    // Shared by every blinking control.
    int BlinkIntervalOn() const;
    void SetBlinkIntervalOn(int v);
    int BlinkIntervalOff() const;
    void SetBlinkIntervalOff(int v);
    bool FlyByEnabled() const { return flyByEnabled_; }
    // Off: a colour changed by the pointer goes back into the font.
    void SetFlyByEnabled(bool v);
    cl::TColor FlyByColor() const { return flyByColor_; }
    void SetFlyByColor(cl::TColor v) { StoreAndInvalidate(flyByColor_, v); }

    // The colour the text is drawn in now: the normal one, or BlinkColor in the blink phase.
    cl::TColor DrawnColor() const { return drawnColor_; }

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

    void Loaded() override;
    // Older form resources carry a set "FrameSides", which means nothing now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

protected:
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;
    void InitializeWnd() override;
    void FontChanged() override;

    // The caption as drawn.
    virtual std::string GetDisplayCaption() { return Caption(); }
    virtual void Blink(bool on);
    // Sizes the label to its caption when AutoSize is on.
    void AdjustBounds();

private:
    template <class T, class U>
    void SetBorder(T& field, const U& value) {
        if (!cl::StoreIfChanged(field, value)) return;
        AdjustBounds();
        Invalidate();
    }
    bool FontIsTrueType();
    void UseTrueTypeFont();
    TLabelAlign TextAlign() const;
    UINT DrawTextFlags() const;
    cl::TRect PaintBorder(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style);
    void DrawPlainText(cl::TCanvas& canvas);
    void DrawFlatText(cl::TCanvas& canvas);
    void DrawCurvedText(cl::TCanvas& canvas);
    void MouseEnter();
    void MouseLeave();

    cl::TAlignment alignment_ = cl::TAlignment::LeftJustify;
    TTextLayout layout_ = TTextLayout::Top;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TTextStyle textStyle_ = TTextStyle::Normal;
    bool lightTextStyle_ = false;
    cl::TColor highlightColor_ = cl::clBtnHighlight;
    cl::TColor shadowColor_ = cl::clBtnShadow;
    int shadowDepth_ = 2;
    int angle_ = 0;
    TRotation rotation_ = TRotation::None;
    TCenterPoint centerPoint_ = TCenterPoint::Center;
    mw::TLabelBorders borders_;
    cl::TColor borderColor_ = cl::clBtnFace;
    cl::TColor borderHighlight_ = cl::clBtnHighlight;
    cl::TColor borderShadow_ = cl::clBtnShadow;
    cl::TColor flatColor_ = cl::clBtnShadow;
    bool blinking_ = false;
    cl::TColor blinkColor_ = cl::clHighlight;
    bool flyByEnabled_ = false;
    cl::TColor flyByColor_ = cl::clHighlight;

    cl::TColor normalColor_ = cl::clWindowText;  // the font's colour, kept while blinking
    cl::TColor drawnColor_ = cl::clWindowText;
    cl::TColor colorBeforeFlyBy_ = cl::clWindowText;
    bool adjusting_ = false;
    mw::TMouseTracking mouse_;
};
