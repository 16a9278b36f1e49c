#pragma once
// A radio button: checking it unchecks the other radio buttons of the same parent.
//
// This class offers what the program uses so far: the caption, Checked and the click; the
// library's own glyphs and 3-D caption come later (the system draws the button).

#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"
#include "controls/foundation/FrameModel.h"

class TMwRadioButton : public cl::TControl {
    CL_CLASS_INFO()
public:
    explicit TMwRadioButton(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    bool Checked() const { return checked_; }
    // A change to checked unchecks the siblings, then runs the click (OnClick).
    void SetChecked(bool checked);
    // taRightJustify: the caption is right of the button; taLeftJustify: left of it.
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;

private:
    bool checked_ = false;
    cl::TAlignment alignment_ = cl::TAlignment::RightJustify;
};
