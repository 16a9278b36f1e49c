#pragma once
// A check box with three states. A click steps unchecked, (grayed when AllowGrayed,) checked,
// unchecked; Space held down shows it pressed and toggles it when released, Escape first
// cancels that.

#include "controls/basic/MwCustomGlyphButton.h"

class TMwCheckBox : public TMwCustomGlyphButton {
    CL_CLASS_INFO()
public:
    explicit TMwCheckBox(cl::TComponent* owner);

    TCheckBoxState State() const { return state_; }
    // A change runs the click (OnClick).
    void SetState(TCheckBoxState state);
    bool Checked() const override { return state_ == TCheckBoxState::Checked; }
    void SetChecked(bool checked) override {
        SetState(checked ? TCheckBoxState::Checked : TCheckBoxState::Unchecked);
    }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }

protected:
    int StateCount() const override { return 9; }
    void BuildGlyphs(mw::TMemoryBitmap& glyph) override;
    void Toggle() override;
    void WndProc(cl::TMessage& message) override;

private:
    void ReleaseSpace(bool toggle);

    TCheckBoxState state_ = TCheckBoxState::Unchecked;
    bool allowGrayed_ = false;
    bool spacePending_ = false;  // Space went down here and has not come up
};
