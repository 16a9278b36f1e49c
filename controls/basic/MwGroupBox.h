#pragma once
// A titled group frame over the framed panel, in four styles: the classic etched box
// (gsStandard), a plain panel with its caption (gsCustom), a line along the top (gsTopLine) and
// a flat box with rounded corners (gsFlat). The title sits in a gap of the frame's top line;
// children align below it. With ThemeAware and themes on, the platform's group box is drawn.

#include "controls/basic/GroupBoxLayout.h"
#include "controls/basic/MwPanel.h"

class TMwCustomGroupBox : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwCustomGroupBox(cl::TComponent* owner);

    TMwGroupBoxStyle GroupStyle() const { return groupStyle_; }
    // gsCustom and gsTopLine switch ThemeAware off (and nothing switches it on again).
    virtual void SetGroupStyle(TMwGroupBoxStyle style);

protected:
    void Paint(cl::TCanvas& canvas) override;
    cl::TRect AlignArea() override;
    void FontChanged() override;
    // The caption's accelerator focuses the first child in tab order.
    void WndProc(cl::TMessage& message) override;
    // Visible and enabled, with every parent.
    bool CanFocusGroup() const;

private:
    // The height of the sample text in the group box's font.
    int TextHeight(const char* sample);
    void PaintThemed(cl::TCanvas& canvas, const cl::TRect& captionRect);
    void PaintClassic(cl::TCanvas& canvas, const cl::TRect& captionRect);
    void PaintFrameLines(cl::TCanvas& canvas, const cl::TRect& frame);

    TMwGroupBoxStyle groupStyle_ = TMwGroupBoxStyle::Flat;
};

class TMwGroupBox : public TMwCustomGroupBox {
    CL_CLASS_INFO()
public:
    explicit TMwGroupBox(cl::TComponent* owner) : TMwCustomGroupBox(owner) {}
};
