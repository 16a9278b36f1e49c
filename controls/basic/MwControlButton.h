#pragma once
// The small button embedded in other controls (the button pair of the button edit): a glyph
// or an arrow on a raised face, or a flat face that rises while the mouse is over it. It goes
// down while the left button is held and clicks when released over it. It never takes focus.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/MwGlyph.h"

enum class TMwControlButtonStyle { None, Left, Up, Right, Down, DropDown };

class TMwControlButton : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwControlButton(cl::TComponent* owner);

    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndInvalidate(flat_, v); }
    TMwGlyph* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    TMwControlButtonStyle Style() const { return style_; }
    void SetStyle(TMwControlButtonStyle v) { StoreAndInvalidate(style_, v); }
    bool IsDown() const { return down_; }
    bool MouseInControl() const { return mouse_.Inside(); }
    void SetEnabled(bool enabled) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    // The face by the state; returns the rectangle left inside it.
    cl::TRect PaintFace(cl::TCanvas& canvas, const cl::TRect& r, bool themed);
    void PaintThemedFace(cl::TCanvas& canvas, const cl::TRect& r, bool active);

    bool flat_ = false;
    TMwGlyph glyph_;
    int numGlyphs_ = 1;
    TMwControlButtonStyle style_ = TMwControlButtonStyle::None;
    bool down_ = false;
    bool dragging_ = false;
    mw::TMouseTracking mouse_;
};
