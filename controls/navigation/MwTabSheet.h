#pragma once
// A page of a TMwPageControl: a container control whose caption, colour, images and tab
// settings make its tab. The page control shows and hides its sheets itself.

#include "classlib/win/Control.h"
#include "controls/navigation/MwTabs.h"

class TMwPageControl;

class TMwTabSheet : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwTabSheet(cl::TComponent* owner);
    ~TMwTabSheet() override;

    TMwPageControl* PageControl() const { return pageControl_; }
    // Moves the sheet to the end of another page control (or out of any).
    void SetPageControl(TMwPageControl* pageControl);
    // The position in the page control's page list (-1 outside one).
    int PageIndex() const;
    // cl::EListError for an index outside the page list.
    void SetPageIndex(int index);
    // -1 while the tab is hidden, else the number of shown tabs before it.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v) { StoreAndRebuild(tabVisible_, v); }
    bool TabEnabled() const { return tabEnabled_; }
    void SetTabEnabled(bool v) { StoreAndRebuild(tabEnabled_, v); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { StoreAndRebuild(imageIndex_, v); }
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int v) { StoreAndRebuild(disabledIndex_, v); }
    // The page's colour and, with coloured tabs, its tab's. While the page control's tabs are
    // not coloured, a colour of its own turns them on.
    void SetColor(cl::TColor color);
    void SetCaption(const std::string& caption);

    // The page control shows and hides its sheets; anyone else gets cl::EInvalidOperation.
    void SetVisible(bool visible) override;

    // The tab record of this sheet.
    void FillTab(TMwTabData& tab) const;

    TMwPaintBackgroundEvent OnPaintBackground;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    friend class TMwPageControl;
    // A page whose window was given up gets a new one when it shows again.
    void ShowSheet(bool visible);
    void ReleaseHandle() { DestroyHandle(); }
    void TabChanged();
    template <class T>
    void StoreAndRebuild(T& field, const T& value) {
        if (cl::StoreIfChanged(field, value)) TabChanged();
    }

    TMwPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    bool tabEnabled_ = true;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
};
