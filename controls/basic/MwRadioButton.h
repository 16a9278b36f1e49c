#pragma once
// A radio button: checking it unchecks the other radio buttons of the same parent and runs its
// click. Moving the focus onto it with the keyboard checks it; it is a tab stop only while
// checked, so that Tab reaches the checked button of a set.

#include "controls/basic/MwCustomGlyphButton.h"

class TMwRadioButton : public TMwCustomGlyphButton {
    CL_CLASS_INFO()
public:
    explicit TMwRadioButton(cl::TComponent* owner);

    bool Checked() const override { return checked_; }
    // A change to checked unchecks the siblings, then runs the click (OnClick).
    void SetChecked(bool checked) override;

protected:
    int StateCount() const override { return 6; }
    void BuildGlyphs(mw::TMemoryBitmap& glyph) override;
    void Toggle() override;
    void WndProc(cl::TMessage& message) override;

private:
    bool checked_ = false;
    bool mouseFocus_ = false;  // the focus comes from a mouse press, which checks on release
};
