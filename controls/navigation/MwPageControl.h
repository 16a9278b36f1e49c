#pragma once
// The published tab control: its tabs come from its TMwTabSheet children, one tab for each
// sheet whose TabVisible is set, and selecting a tab shows that sheet and hides the previous
// one. With every tab hidden the program switches sheets through ActivePage alone.

#include <vector>

#include "controls/foundation/FrameModel.h"
#include "controls/navigation/MwTabSheet.h"
#include "controls/navigation/MwTabs.h"

class TMwPageControl : public TMwCustomTabControl {
    CL_CLASS_INFO()
public:
    explicit TMwPageControl(cl::TComponent* owner);
    ~TMwPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TMwTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TMwTabSheet* ActivePage() const { return activePage_; }
    // A sheet whose tab is hidden is shown directly; then TabIndex follows the sheet's tab
    // (which asks OnChanging). A sheet of another page control is ignored.
    void SetActivePage(TMwTabSheet* sheet);
    int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    void SetActivePageIndex(int index) { SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr); }
    // The page shown after loading when set; cleared when that sheet is freed.
    TMwTabSheet* ActivePageDefault() const { return activePageDefault_; }
    void SetActivePageDefault(TMwTabSheet* sheet);
    // Hidden sheets give up their windows.
    bool SaveResources() const { return saveResources_; }
    void SetSaveResources(bool v);
    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    void SetUseColoredTabs(bool v) override;
    // The next (or previous) sheet with a visible tab becomes the active page, wrapping round.
    void SelectNextPage(bool forward);
    void HideAllTabs() override;
    void ShowAllTabs() override;
    // Ctrl+Tab and Ctrl+Shift+Tab page through the sheets while the focus is inside the control.
    bool DialogKey(WORD key, cl::TShiftState shift);
    // Makes the tabs again from the sheets (after a sheet or its tab settings changed).
    void RebuildTabs();
    void LayoutChanged() override { RebuildTabs(); }

    void Loaded() override;

protected:
    void Changing(int newIndex, bool& allowChange) override;
    void CloseCurrentTab() override;
    void PaintCardBackground(cl::TCanvas& canvas, int row, const cl::TRect& rect, bool& handled) override;
    void ColorChanged() override;
    void ControlListChanged(cl::TControl* control, bool inserted) override;
    // Only tab sheets (and the tab control's own parts) can be put in a page control.
    void ValidateInsert(cl::TControl& child) override;
    // A sheet to be shown (or holding a control to be shown) becomes the active page first.
    void ShowControl(cl::TControl* child) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void WndProc(cl::TMessage& message) override;

private:
    friend class TMwTabSheet;
    void ShowSheet(TMwTabSheet* sheet);
    void RemovePage(TMwTabSheet* sheet);
    TMwTabSheet* SheetOfTab(int tabIndex) const;
    bool FocusInside(TMwTabSheet* sheet);

    std::vector<TMwTabSheet*> pages_;
    TMwTabSheet* activePage_ = nullptr;
    TMwTabSheet* activePageDefault_ = nullptr;
    bool saveResources_ = false;
};
