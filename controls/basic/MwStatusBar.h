#pragma once
// The bottom bar of a window: a framed container whose children (progress bar, status panes)
// align inside it, with a sizing grip that sizes the parent form from its bottom-right corner,
// an automatic style that gives it its fixed look, a simple mode that hides the children and
// shows one caption in a framed box, and optional proportional rescaling of the children when
// its width changes. Its ThemeAware is also the switch its children consult before they draw
// themed.
//
// The children are windows of their own, painted after the bar; those that cover the grip
// paint it over themselves (DrawSizeGripOver) and let the mouse through to the bar there.

#include <string>

#include "controls/basic/MwPanel.h"

class TMwStatusBar : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwStatusBar(cl::TComponent* owner);

    // Applies the automatic style at creation and after loading; any explicit border change
    // turns it off.
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    // On resize, widens or narrows every child in proportion to its width.
    bool AutoScalePanes() const { return autoScalePanes_; }
    void SetAutoScalePanes(bool v) { autoScalePanes_ = v; }
    bool ShowSizeGrip() const { return showSizeGrip_; }
    virtual void SetShowSizeGrip(bool v);
    bool SimpleStatus() const { return simpleStatus_; }
    // Hides every child in simple mode and shows them all again after it.
    virtual void SetSimpleStatus(bool v);
    const std::string& SimpleCaption() const { return simpleCaption_; }
    virtual void SetSimpleCaption(const std::string& v) { StoreAndInvalidate(simpleCaption_, v); }
    TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
    virtual void SetSimpleFrameStyle(TFrameStyle v) { StoreAndInvalidate(simpleFrameStyle_, v); }

    void SetBorderOuter(TFrameStyle v) override;
    void SetBorderInner(TFrameStyle v) override;
    void SetBorderSides(TSides v) override;

    // No borders, all sides, height 19; AutoStyle keeps its value.
    virtual void ApplyAutoStyle();
    void Loaded() override;
    cl::TRect ClientRect() override;

    // The grip is shown and works: the parent form is sizeable and not maximised (as last
    // checked at window creation, a ShowSizeGrip change or a paint).
    bool GripActive() const { return showSizeGrip_ && gripUsable_; }
    // Children draw themed: the bar is ThemeAware and themes are enabled.
    bool ThemesChildren() const;
    // Copies the bar's themed background under r of the child into dc at r.
    void PaintThemedBackground(const cl::TControl& child, HDC dc, const cl::TRect& r);
    // Paints the grip, while it is active, over a child that covers it (canvas in the child's
    // coordinates).
    void DrawSizeGripOver(const cl::TControl& child, cl::TCanvas& canvas);

protected:
    void WndProc(cl::TMessage& message) override;
    void CreateWnd() override;
    void Paint(cl::TCanvas& canvas) override;
    void Resize() override;
    void AlignControls() override;
    virtual void DrawSimpleFrame(cl::TCanvas& canvas, const cl::TRect& r);
    void DrawSizeGrip(cl::TCanvas& canvas, const cl::TRect& r);

private:
    // Children keep their places while several of them change; Realign afterwards.
    class TAlignSuspension;

    void UpdateGripUsable();
    // The client rectangle less its bottom row: where the grip and the simple box go.
    cl::TRect GripArea();
    void PaintGripAfterChildren(HDC givenDc);

    bool autoStyle_ = true;
    bool autoScalePanes_ = false;
    bool showSizeGrip_ = true;
    bool simpleStatus_ = false;
    std::string simpleCaption_;
    TFrameStyle simpleFrameStyle_ = TFrameStyle::Flat;

    bool gripUsable_ = false;
    bool alignSuspended_ = false;
    bool firstResize_ = true;
    int previousWidth_ = 0;
};
