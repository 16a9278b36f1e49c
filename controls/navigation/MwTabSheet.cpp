#include "controls/navigation/MwTabSheet.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/MwPageControl.h"

const cl::TClassInfo& TMwTabSheet::StaticClass() {
    using S = TMwTabSheet;
    static const auto info = cl::TClassBuilder<S>("TMwTabSheet", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Str("Caption", &S::Caption, &S::SetCaption)
                                 .Color("Color", &S::Color, &S::SetColor)
                                 .Int("DisabledIndex", &S::DisabledIndex, &S::SetDisabledIndex)
                                 .Int("ImageIndex", &S::ImageIndex, &S::SetImageIndex)
                                 .Int("PageIndex", &S::PageIndex, &S::SetPageIndex)
                                 .Bool("TabEnabled", &S::TabEnabled, &S::SetTabEnabled)
                                 .Bool("TabVisible", &S::TabVisible, &S::SetTabVisible)
                                 .Event("OnPaintBackground", &S::OnPaintBackground)
                                 .Build();
    return *info;
}

TMwTabSheet::TMwTabSheet(cl::TComponent* owner) : cl::TCustomControl(owner) {
    ShowSheet(false);
    SetAlign(cl::TAlign::Client);
}

TMwTabSheet::~TMwTabSheet() {
    Destroying();
    if (pageControl_) pageControl_->RemovePage(this);
}

void TMwTabSheet::SetVisible(bool) { throw cl::EInvalidOperation("You cannot change the Visible property of a page"); }

void TMwTabSheet::ShowSheet(bool visible) {
    cl::TCustomControl::SetVisible(visible);
    if (visible && Parent() && Parent()->HandleAllocated()) HandleNeeded();
}

void TMwTabSheet::SetPageControl(TMwPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    SetParent(pageControl);  // the new page control takes the sheet in as it is parented
}

int TMwTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TMwTabSheet::SetPageIndex(int index) {
    if (!pageControl_) return;
    auto& pages = pageControl_->pages_;
    const int last = static_cast<int>(pages.size()) - 1;
    if (index < 0 || index > last)
        throw cl::EListError(std::to_string(index) + " is an invalid PageIndex value. PageIndex must be between 0 and " +
                             std::to_string(last));
    pages.erase(pages.begin() + PageIndex());
    pages.insert(pages.begin() + index, this);
    TabChanged();
}

int TMwTabSheet::TabIndex() const {
    if (!tabVisible_ || !pageControl_) return -1;
    int index = 0;
    for (const TMwTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TMwTabSheet::TabChanged() {
    if (pageControl_) pageControl_->RebuildTabs();
}

void TMwTabSheet::SetColor(cl::TColor color) {
    if (color == Color()) return;
    if (pageControl_ && !pageControl_->UseColoredTabs() && color != pageControl_->Color()) pageControl_->SetUseColoredTabs(true);
    if (pageControl_ && !pageControl_->UseColoredTabs() && color != pageControl_->Color()) return;
    cl::TCustomControl::SetColor(color);
    TabChanged();
}

void TMwTabSheet::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    cl::TCustomControl::SetCaption(caption);
    TabChanged();
}

void TMwTabSheet::FillTab(TMwTabData& tab) const {
    tab.caption = Caption();
    tab.color = Color();
    tab.enabled = tabEnabled_;
    tab.visible = tabVisible_;
    tab.hint = Hint();
    tab.imageIndex = imageIndex_;
    tab.disabledImageIndex = disabledIndex_;
}

void TMwTabSheet::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.classStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TMwTabSheet::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    bool handled = false;
    OnPaintBackground(this, canvas, r, handled);
    if (!handled) mw::FillSolid(canvas.Handle(), r, Color());
}

void TMwTabSheet::WndProc(cl::TMessage& m) {
    if (m.msg == WM_ERASEBKGND) {
        m.result = 1;  // the page paints its whole area itself
        return;
    }
    cl::TCustomControl::WndProc(m);
}
