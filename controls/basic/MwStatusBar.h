#pragma once
// The bottom bar of a window: a framed container whose children (progress bar, status
// panes) align inside it, with a sizing grip that resizes the parent form from its
// bottom-right corner and a simple mode that hides the children and shows one caption.
//
// This class offers what the program uses so far: the automatic style, the grip, the simple
// mode and the classic look.

#include "controls/basic/MwPanel.h"

class TMwStatusBar : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwStatusBar(cl::TComponent* owner);

    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    bool AutoScalePanes() const { return autoScalePanes_; }
    void SetAutoScalePanes(bool v) { autoScalePanes_ = v; }
    bool ShowSizeGrip() const { return showSizeGrip_; }
    void SetShowSizeGrip(bool v) { StoreAndInvalidate(showSizeGrip_, v); }
    bool SimpleStatus() const { return simpleStatus_; }
    // Hides every child in simple mode and shows them all again after it.
    void SetSimpleStatus(bool v);
    const std::string& SimpleCaption() const { return simpleCaption_; }
    void SetSimpleCaption(const std::string& v) { StoreAndInvalidate(simpleCaption_, v); }
    TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
    void SetSimpleFrameStyle(TFrameStyle v) { StoreAndInvalidate(simpleFrameStyle_, v); }

    // An explicit border change switches AutoStyle off.
    void SetBorderOuter(TFrameStyle v) override;
    void SetBorderInner(TFrameStyle v) override;
    void SetBorderSides(TSides v) override;

    // The grip works only on a sizeable, not maximised form.
    bool GripUsable() const;
    void Loaded() override;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void ApplyAutoStyle();
    cl::TRect GripRect() const { return {Width() - 13, 0, Width(), Height()}; }

    bool autoStyle_ = true;
    bool autoScalePanes_ = false;
    bool showSizeGrip_ = true;
    bool simpleStatus_ = false;
    std::string simpleCaption_;
    TFrameStyle simpleFrameStyle_ = TFrameStyle::Flat;
};

