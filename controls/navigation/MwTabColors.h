#pragma once
// The colour sets of a tab control: the tabs' own colours and the colours of their captions.
// Every change repaints the control (the layout stays).

#include "classlib/core/Colors.h"
#include "classlib/core/Persistent.h"
#include "classlib/win/Control.h"

class TMwTabColors : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    explicit TMwTabColors(cl::TControl& control) : control_(control) {}

    cl::TColor HighlightBar() const { return highlightBar_; }
    void SetHighlightBar(cl::TColor v) { Store(highlightBar_, v); }
    cl::TColor Shadow() const { return shadow_; }
    void SetShadow(cl::TColor v) { Store(shadow_, v); }
    cl::TColor Unselected() const { return unselected_; }
    void SetUnselected(cl::TColor v) { Store(unselected_, v); }
    void Assign(const TMwTabColors& source);

private:
    void Store(cl::TColor& field, cl::TColor v) {
        if (cl::StoreIfChanged(field, v)) control_.Invalidate();
    }

    cl::TControl& control_;
    cl::TColor highlightBar_ = cl::clHighlight;
    cl::TColor shadow_ = cl::clBtnFace;
    cl::TColor unselected_ = cl::clWindow;
};

class TMwTextColors : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    explicit TMwTextColors(cl::TControl& control) : control_(control) {}

    cl::TColor DisabledHighlight() const { return disabledHighlight_; }
    void SetDisabledHighlight(cl::TColor v) { Store(disabledHighlight_, v); }
    cl::TColor DisabledShadow() const { return disabledShadow_; }
    void SetDisabledShadow(cl::TColor v) { Store(disabledShadow_, v); }
    cl::TColor Selected() const { return selected_; }
    void SetSelected(cl::TColor v) { Store(selected_, v); }
    cl::TColor Unselected() const { return unselected_; }
    void SetUnselected(cl::TColor v) { Store(unselected_, v); }
    void Assign(const TMwTextColors& source);

private:
    void Store(cl::TColor& field, cl::TColor v) {
        if (cl::StoreIfChanged(field, v)) control_.Invalidate();
    }

    cl::TControl& control_;
    cl::TColor disabledHighlight_ = cl::clBtnHighlight;
    cl::TColor disabledShadow_ = cl::clBtnShadow;
    cl::TColor selected_ = cl::clBtnText;
    cl::TColor unselected_ = cl::clBtnText;
};
