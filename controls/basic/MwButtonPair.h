#pragma once
// The two buttons of the button edit side by side: the main button at the left and the
// alternate one beside it. A click counts only once the focus control (the edit) has the focus.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/basic/MwControlButton.h"

class TMwButtonPair : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwButtonPair(cl::TComponent* owner);

    TMwControlButton* Button() const { return button_; }
    TMwControlButton* AltButton() const { return altButton_; }

    void SetEnabled(bool enabled) override;
    cl::TColor Color() const { return cl::TCustomControl::Color(); }
    void SetColor(cl::TColor color);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    cl::TControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(cl::TControl* control);

    // Places the visible buttons side by side, each as high as the pair less one pixel.
    void PositionButtons();

    cl::TNotifyEvent OnButtonClick;
    cl::TNotifyEvent OnAltBtnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void Resize() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    TMwControlButton* CreateButton();
    void ButtonClicked(cl::TObject* sender);
    void ButtonMouseDown(cl::TObject* sender, cl::TMouseButton button, cl::TShiftState, int, int);

    TMwControlButton* button_ = nullptr;
    TMwControlButton* altButton_ = nullptr;
    bool flat_ = false;
    cl::TControl* focusControl_ = nullptr;
};
