#pragma once
// The floating panel beside an open font list that shows a sample text in the font under the
// list's selection. It is a pop-up window that saves the screen beneath it, shown and hidden
// only by window positioning; it asks its combo box to hide it when another control takes the
// mouse or when it loses the focus.

#include <string>

#include "classlib/win/Control.h"

// Preview panel to font combo box: hide the preview.
constexpr UINT CM_HIDEFONTPREVIEW = 0xB3ED;

class TMwPreviewFontPanel : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    static constexpr const char* kDefaultText = "AaBbYyZz";

    explicit TMwPreviewFontPanel(cl::TComponent* owner);

    // The combo box that is told to hide the panel.
    void SetCombo(cl::TControl* combo) { combo_ = combo; }
    // Left-aligned (the sample comes from an edit) or centred.
    void SetLeftAligned(bool v) { StoreAndInvalidate(leftAligned_, v); }
    bool LeftAligned() const { return leftAligned_; }

    // Shows the panel at the screen point without activating it, or hides it.
    void ShowAt(cl::TPoint screenPoint);
    void HidePanel();
    bool PanelShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void AskComboToHide();

    cl::TControl* combo_ = nullptr;
    bool leftAligned_ = false;
};
