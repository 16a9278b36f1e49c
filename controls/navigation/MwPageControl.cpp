#include "controls/navigation/MwPageControl.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

const cl::TClassInfo& TMwPageControl::StaticClass() {
    using P = TMwPageControl;
    using T = TMwCustomTabControl;
    static const auto info =
        cl::TClassBuilder<P>("TMwPageControl", T::StaticClass())
            .Creatable()
            .Enum<TMwAboutInfo>("About", &P::About, &P::SetAbout, kAboutInfoNames)
            .Ref<TMwTabSheet>("ActivePage", &P::ActivePage, &P::SetActivePage)
            .Ref<TMwTabSheet>("ActivePageDefault", &P::ActivePageDefault, &P::SetActivePageDefault)
            .Bool("SaveResources", &P::SaveResources, &P::SetSaveResources)
            .Bool("AlignTabs", &T::AlignTabs, &T::SetAlignTabs)
            .Color("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor)
            .Bool("BoldCurrentTab", &T::BoldCurrentTab, &T::SetBoldCurrentTab)
            .Int("CutCornerSize", &T::CutCornerSize, &T::SetCutCornerSize)
            .Color("FlatColor", &T::FlatColor, &T::SetFlatColor)
            .Int("FlatColorAdjustment", &T::FlatColorAdjustment, &T::SetFlatColorAdjustment)
            .Bool("HotTrack", &T::HotTrack, &T::SetHotTrack)
            .Color("HotTrackColor", &T::HotTrackColor, &T::SetHotTrackColor)
            .Enum<TMwHotTrackColorType>("HotTrackColorType", &T::HotTrackColorType, &T::SetHotTrackColorType,
                                        kHotTrackColorTypeNames)
            .Enum<TMwHotTrackStyle>("HotTrackStyle", &T::HotTrackStyle, &T::SetHotTrackStyle, kHotTrackStyleNames)
            .Enum<TMwHorizontalAlignment>("ImageAlignment", &T::ImageAlignment, &T::SetImageAlignment,
                                          kHorizontalAlignmentNames)
            .Enum<TMwVerticalAlignment>("ImageAlignmentVertical", &T::ImageAlignmentVertical, &T::SetImageAlignmentVertical,
                                        kVerticalAlignmentNames)
            .Int("ImageMargin", &T::ImageMargin, &T::SetImageMargin)
            .Enum<TMwImagePosition>("ImagePosition", &T::ImagePosition, &T::SetImagePosition, kImagePositionNames)
            .Ref<cl::TCustomImageList>("Images", &T::Images, &T::SetImages)
            .Int("Margin", &T::Margin, &T::SetMargin)
            .Bool("MultiLine", &T::MultiLine, &T::SetMultiLine)
            .Bool("ParentBackgroundColor", &T::ParentBackgroundColor, &T::SetParentBackgroundColor)
            .Int("RowIndent", &T::RowIndent, &T::SetRowIndent)
            .Int("RowOverlap", &T::RowOverlap, &T::SetRowOverlap)
            .Bool("ShowCardFrame", &T::ShowCardFrame, &T::SetShowCardFrame)
            .Bool("ShowCloseButton", &T::ShowCloseButton, &T::SetShowCloseButton)
            .Bool("ShowFocusRect", &T::ShowFocusRect, &T::SetShowFocusRect)
            .Bool("ShowFullFrame", &T::ShowFullFrame, &T::SetShowFullFrame)
            .Bool("ShowShadow", &T::ShowShadow, &T::SetShowShadow)
            .Object("TabColors", &T::TabColors)
            .Object("TextColors", &T::TextColors)
            .Int("TabHeight", &T::TabHeight, &T::SetTabHeight)
            .Bool("TabHints", &T::TabHints, &T::SetTabHints)
            .Int("TabIndex", &T::TabIndex, &T::SetTabIndex)
            .Enum<TMwTabOrientation>("TabOrientation", &T::TabOrientation, &T::SetTabOrientation, kTabOrientationNames)
            .Enum<TMwTabSequence>("TabSequence", &T::TabSequence, &T::SetTabSequence, kTabSequenceNames)
            .Enum<TMwTabStyle>("TabStyle", &T::TabStyle, &T::SetTabStyle, kTabStyleNames)
            .Int("TabWidth", &T::TabWidth, &T::SetTabWidth)
            .Enum<TMwHorizontalAlignment>("TextAlignment", &T::TextAlignment, &T::SetTextAlignment, kHorizontalAlignmentNames)
            .Enum<TMwVerticalAlignment>("TextAlignmentVertical", &T::TextAlignmentVertical, &T::SetTextAlignmentVertical,
                                        kVerticalAlignmentNames)
            .Enum<TOrientation>("TextOrientation", &T::TextOrientation, &T::SetTextOrientation, kOrientationNames)
            .Bool("Transparent", &T::Transparent, &T::SetTransparent)
            .Bool("UseColoredTabs", &T::UseColoredTabs, &P::SetUseColoredTabs)
            .Bool("UseGradients", &T::UseGradients, &T::SetUseGradients)
            .Event<cl::TNotifyEvent>("OnChange", &P::OnChange)
            .Event<TMwTabChangingEvent>("OnChanging", &P::OnChanging)
            .Event<TMwTabCloseEvent>("OnClose", &P::OnClose)
            .Event<TMwGetTextColorEvent>("OnGetTextColor", &P::OnGetTextColor)
            .Event<TMwPaintBackgroundEvent>("OnPaintBackground", &P::OnPaintBackground)
            .Event<TMwPaintCardBackgroundEvent>("OnPaintCardBackground", &P::OnPaintCardBackground)
            .Event<TMwPaintTabBackgroundEvent>("OnPaintTabBackground", &P::OnPaintTabBackground)
            .Event<cl::TNotifyEvent>("OnTabClick", &P::OnTabClick)
            .Build();
    return *info;
}

TMwPageControl::TMwPageControl(cl::TComponent* owner) : TMwCustomTabControl(owner) {
    // Form resources name the sheets by class.
    static const bool sheetsRegistered = (cl::TClassRegistry::Register(TMwTabSheet::StaticClass()), true);
    (void)sheetsRegistered;
    SetBounds(0, 0, 300, 150);
}

TMwPageControl::~TMwPageControl() {
    Destroying();
    // The sheets die with their parent after this; they must not call back.
    for (TMwTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

// ---- sheets ----

void TMwPageControl::ControlListChanged(cl::TControl* control, bool inserted) {
    TMwCustomTabControl::ControlListChanged(control, inserted);
    auto* sheet = dynamic_cast<TMwTabSheet*>(control);
    if (!sheet) return;
    if (!inserted) {
        RemovePage(sheet);
        return;
    }
    if (std::find(pages_.begin(), pages_.end(), sheet) != pages_.end()) return;
    pages_.push_back(sheet);
    sheet->pageControl_ = this;
    RebuildTabs();
}

void TMwPageControl::ValidateInsert(cl::TControl& child) {
    // The scroller and the close button are made, and owned, by the tab control itself.
    if (dynamic_cast<TMwTabSheet*>(&child) || child.Owner() == this) return;
    throw cl::EInvalidOperation("A page control holds only tab sheets: " + std::string(child.ClassName()) +
                                (child.Name().empty() ? "" : " " + child.Name()) + " cannot be put in " +
                                (Name().empty() ? "it" : Name()));
}

void TMwPageControl::RemovePage(TMwTabSheet* sheet) {
    const auto it = std::find(pages_.begin(), pages_.end(), sheet);
    if (it == pages_.end()) return;
    const bool wasActive = sheet == activePage_;
    if (wasActive) ShowSheet(nullptr);
    pages_.erase(it);
    sheet->pageControl_ = nullptr;
    RebuildTabs();
    // Without its page the tab is gone too; left alone, TabIndex would name the next sheet's
    // tab while that sheet stays hidden.
    if (wasActive) SetTabIndex(-1);
}

TMwTabSheet* TMwPageControl::SheetOfTab(int tabIndex) const {
    if (tabIndex < 0) return nullptr;
    for (TMwTabSheet* page : pages_)
        if (page->TabIndex() == tabIndex) return page;
    return nullptr;
}

void TMwPageControl::RebuildTabs() {
    Tabs().Clear();
    for (const TMwTabSheet* page : pages_)
        if (page->TabVisible()) page->FillTab(Tabs().Add());
    // The layout is stale from here on; TabIndex must not scroll or turn rows by it.
    TMwCustomTabControl::LayoutChanged();
    // TabIndex follows the page that is shown; nothing changes pages, so nobody is asked.
    if (activePage_) {
        const int index = activePage_->TabIndex();
        if (index != TabIndex()) SetTabIndexAsked(index);
    }
}

void TMwPageControl::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomTabControl::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == activePageDefault_) activePageDefault_ = nullptr;
}

void TMwPageControl::SetActivePageDefault(TMwTabSheet* sheet) {
    if (sheet == activePageDefault_) return;
    if (activePageDefault_) RemoveFreeNotification(activePageDefault_);
    activePageDefault_ = sheet;
    if (sheet) FreeNotification(sheet);
}

void TMwPageControl::SetSaveResources(bool v) {
    if (!cl::StoreIfChanged(saveResources_, v) || !v) return;
    for (TMwTabSheet* page : pages_)
        if (page != activePage_) page->ReleaseHandle();
}

// ---- choosing the page ----

void TMwPageControl::SetActivePage(TMwTabSheet* sheet) {
    if (sheet && sheet->pageControl_ != this) return;
    if (IsLoading()) {
        activePage_ = sheet;
        return;
    }
    const int index = sheet ? sheet->TabIndex() : -1;
    if (index < 0) ShowSheet(sheet);
    SetTabIndex(index);
}

void TMwPageControl::ShowControl(cl::TControl* child) {
    if (auto* sheet = dynamic_cast<TMwTabSheet*>(child); sheet && sheet->pageControl_ == this) SetActivePage(sheet);
    TMwCustomTabControl::ShowControl(child);
}

void TMwPageControl::Changing(int newIndex, bool& allowChange) {
    TMwCustomTabControl::Changing(newIndex, allowChange);
    if (allowChange) ShowSheet(SheetOfTab(newIndex));
}

bool TMwPageControl::FocusInside(TMwTabSheet* sheet) {
    if (!sheet || !sheet->HandleAllocated()) return false;
    HWND focus = GetFocus();
    HWND window = sheet->Handle();
    return focus && (focus == window || IsChild(window, focus));
}

void TMwPageControl::ShowSheet(TMwTabSheet* sheet) {
    if (sheet == activePage_) return;
    TMwTabSheet* old = activePage_;
    // The focus leaves a page before it is hidden: for the new page, or else the page control.
    const bool moveFocus = FocusInside(old);
    cl::TControl* focusTarget = nullptr;
    if (sheet) {
        sheet->BringToFront();
        sheet->ShowSheet(true);
        if (moveFocus) focusTarget = sheet->Enabled() ? static_cast<cl::TControl*>(sheet) : this;
    } else if (moveFocus) {
        focusTarget = this;
    }
    if (focusTarget) focusTarget->SetFocus();
    if (old) {
        old->ShowSheet(false);
        if (saveResources_) old->ReleaseHandle();
    }
    activePage_ = sheet;
    if (focusTarget == sheet && sheet) {
        // The first control of the page that takes the focus.
        if (HWND first = GetNextDlgTabItem(sheet->Handle(), nullptr, FALSE); first && IsChild(sheet->Handle(), first))
            ::SetFocus(first);
    }
}

void TMwPageControl::SelectNextPage(bool forward) {
    const int count = PageCount();
    if (count == 0) return;
    const int start = activePage_ ? activePage_->PageIndex() : (forward ? -1 : count);
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (forward ? step : -step)) % count + count) % count;
        if (pages_[static_cast<size_t>(index)]->TabVisible()) {
            SetActivePage(pages_[static_cast<size_t>(index)]);
            return;
        }
    }
}

void TMwPageControl::HideAllTabs() {
    for (TMwTabSheet* page : std::vector<TMwTabSheet*>(pages_)) page->SetTabVisible(false);
}

void TMwPageControl::ShowAllTabs() {
    for (TMwTabSheet* page : std::vector<TMwTabSheet*>(pages_)) page->SetTabVisible(true);
}

void TMwPageControl::CloseCurrentTab() {
    if (!activePage_) return;
    const int index = TabIndex();
    cl::Free(activePage_);  // takes itself out of the pages, showing none
    SetTabIndex(index > 0 ? index - 1 : 0);
}

bool TMwPageControl::DialogKey(WORD key, cl::TShiftState shift) {
    if (key != VK_TAB || !(shift & cl::ssCtrl) || !HandleAllocated()) return false;
    HWND focus = GetFocus();
    if (!focus || (focus != Handle() && !IsChild(Handle(), focus))) return false;
    SelectNextPage(!(shift & cl::ssShift));
    return true;
}

void TMwPageControl::WndProc(cl::TMessage& m) {
    if (m.msg == cl::CM_DIALOGKEY) {
        m.result = DialogKey(static_cast<WORD>(m.wParam), static_cast<cl::TShiftState>(m.lParam)) ? 1 : 0;
        return;
    }
    TMwCustomTabControl::WndProc(m);
}

// ---- colours ----

void TMwPageControl::ColorChanged() {
    TMwCustomTabControl::ColorChanged();
    if (UseColoredTabs()) return;
    // Without coloured tabs every page takes the page control's colour.
    for (TMwTabSheet* page : pages_) page->SetColor(Color());
}

void TMwPageControl::SetUseColoredTabs(bool v) {
    if (v == UseColoredTabs()) return;
    TMwCustomTabControl::SetUseColoredTabs(v);
    if (!v && Parent()) ColorChanged();
}

void TMwPageControl::PaintCardBackground(cl::TCanvas& canvas, int row, const cl::TRect& rect, bool& handled) {
    TMwCustomTabControl::PaintCardBackground(canvas, row, rect, handled);
    if (handled || row != 0 || TabIndex() < 0 || !activePage_) return;
    mw::FillSolid(canvas.Handle(), rect, activePage_->Color());
    handled = true;
}

// ---- loading ----

void TMwPageControl::Loaded() {
    TMwCustomTabControl::Loaded();
    EnsureLayout();
    SetTabIndex(-1);
    TMwTabSheet* page = activePageDefault_ && activePageDefault_ != activePage_ ? activePageDefault_ : activePage_;
    ShowSheet(nullptr);
    RebuildTabs();
    SetActivePage(page);
}
