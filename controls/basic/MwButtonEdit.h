#pragma once
// An edit with a small button inside its right edge; the button (or F4 in the edit) raises
// OnButtonClick. A read-only edit changes its text only through the button's handler.
//
// This class offers what the program uses so far: the one button with a plain "..." face and
// its click; the glyph kinds, the alternate button and the flat looks come later.

#include "classlib/win/Button.h"
#include "classlib/win/Edit.h"

class TMwButtonEdit : public cl::TEdit {
    CL_CLASS_INFO()
public:
    explicit TMwButtonEdit(cl::TComponent* owner);

    cl::TButton* Button() const { return button_; }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v);
    // Clicks the button as the user would.
    void ButtonClick();

    cl::TNotifyEvent OnButtonClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(cl::TMessage& message) override;
    void Resize() override;

private:
    void PlaceButton();

    cl::TButton* button_;
    int buttonWidth_ = 17;
};
