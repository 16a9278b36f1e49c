#include "controls/navigation/MwPageControl.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/ChildAlignment.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

namespace {

const cl::TEnumNames kTabStyleNames{{{"tsSingleSlant", 0}, {"tsDoubleSlant", 1}, {"tsCutCorner", 2}, {"tsRoundCorners", 3}}};
const cl::TEnumNames kTabOrientationNames{{{"toTop", 0}, {"toLeft", 1}, {"toBottom", 2}, {"toRight", 3}}};
const cl::TEnumNames kTabSequenceNames{{{"tsStandard", 0}, {"tsReverse", 1}}};
const cl::TEnumNames kHotTrackStyleNames{{{"htsTab", 0}, {"htsText", 1}}};
const cl::TEnumNames kImagePositionNames{{{"ipLeft", 0}, {"ipTop", 1}, {"ipRight", 2}, {"ipBottom", 3}, {"ipBack", 4}, {"ipStretch", 5}}};
const cl::TEnumNames kHorizontalAlignmentNames{{{"haLeft", 0}, {"haCenter", 1}, {"haRight", 2}}};
const cl::TEnumNames kVerticalAlignmentNames{{{"vaTop", 0}, {"vaCenter", 1}, {"vaBottom", 2}}};

constexpr int kTabStart = 2;  // pixels before the first tab

}  // namespace

// ---- colour sets ----

const cl::TClassInfo& TMwTabColors::StaticClass() {
    using C = TMwTabColors;
    static const auto info = cl::TClassBuilder<C>("TMwTabColors", cl::TPersistent::StaticClass())
                                 .Color("HighlightBar", &C::HighlightBar, &C::SetHighlightBar)
                                 .Color("Shadow", &C::Shadow, &C::SetShadow)
                                 .Color("Unselected", &C::Unselected, &C::SetUnselected)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwTextColors::StaticClass() {
    using C = TMwTextColors;
    static const auto info = cl::TClassBuilder<C>("TMwTextColors", cl::TPersistent::StaticClass())
                                 .Color("DisabledHighlight", &C::DisabledHighlight, &C::SetDisabledHighlight)
                                 .Color("DisabledShadow", &C::DisabledShadow, &C::SetDisabledShadow)
                                 .Color("Selected", &C::Selected, &C::SetSelected)
                                 .Color("Unselected", &C::Unselected, &C::SetUnselected)
                                 .Build();
    return *info;
}

// ---- tab sheet ----

const cl::TClassInfo& TMwTabSheet::StaticClass() {
    using S = TMwTabSheet;
    static const auto info = cl::TClassBuilder<S>("TMwTabSheet", cl::TCustomControl::StaticClass())
                                 .Creatable()
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
    if (pageControl_) pageControl_->RemovePage(this);
}

void TMwTabSheet::SetVisible(bool) { throw cl::EInvalidOperation("You cannot change the Visible property of a page"); }

void TMwTabSheet::SetParentComponent(cl::TComponent* parent) {
    if (auto* pageControl = dynamic_cast<TMwPageControl*>(parent)) SetPageControl(pageControl);
    else cl::TCustomControl::SetParentComponent(parent);
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
    for (TMwTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TMwTabSheet::TabChanged() {
    if (pageControl_) pageControl_->TabsChanged();
}

void TMwTabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    TabChanged();
}

void TMwTabSheet::SetTabEnabled(bool v) {
    if (v == tabEnabled_) return;
    tabEnabled_ = v;
    TabChanged();
}

void TMwTabSheet::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    TabChanged();
}

void TMwTabSheet::SetDisabledIndex(int v) {
    if (v == disabledIndex_) return;
    disabledIndex_ = v;
    TabChanged();
}

void TMwTabSheet::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    bool handled = false;
    OnPaintBackground(this, canvas, r, handled);
    if (!handled) FillSolid(canvas.Handle(), r, Color());
}

void TMwTabSheet::WndProc(cl::TMessage& m) {
    // The page paints its whole area itself.
    if (m.msg == WM_ERASEBKGND) {
        m.result = 1;
        return;
    }
    cl::TCustomControl::WndProc(m);
    if (m.msg == WM_SETTEXT) TabChanged();
}

// ---- page control ----

const cl::TClassInfo& TMwPageControl::StaticClass() {
    using P = TMwPageControl;
    static const auto info =
        cl::TClassBuilder<P>("TMwPageControl", cl::TCustomControl::StaticClass())
            .Creatable()
            .Ref<TMwTabSheet>("ActivePage", &P::ActivePage, &P::SetActivePage)
            .Ref<TMwTabSheet>("ActivePageDefault", &P::ActivePageDefault, &P::SetActivePageDefault)
            .Bool("SaveResources", &P::SaveResources, &P::SetSaveResources)
            .Bool("AlignTabs", &P::AlignTabs, &P::SetAlignTabs)
            .Color("BackgroundColor", &P::BackgroundColor, &P::SetBackgroundColor)
            .Bool("BoldCurrentTab", &P::BoldCurrentTab, &P::SetBoldCurrentTab)
            .Int("CutCornerSize", &P::CutCornerSize, &P::SetCutCornerSize)
            .Color("FlatColor", &P::FlatColor, &P::SetFlatColor)
            .Int("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
            .Bool("HotTrack", &P::HotTrack, &P::SetHotTrack)
            .Color("HotTrackColor", &P::HotTrackColor, &P::SetHotTrackColor)
            .Enum<TMwHotTrackColorType>("HotTrackColorType", &P::HotTrackColorType, &P::SetHotTrackColorType, kHotTrackColorTypeNames)
            .Enum<TMwHotTrackStyle>("HotTrackStyle", &P::HotTrackStyle, &P::SetHotTrackStyle, kHotTrackStyleNames)
            .Enum<TMwHorizontalAlignment>("ImageAlignment", &P::ImageAlignment, &P::SetImageAlignment, kHorizontalAlignmentNames)
            .Enum<TMwVerticalAlignment>("ImageAlignmentVertical", &P::ImageAlignmentVertical, &P::SetImageAlignmentVertical,
                                        kVerticalAlignmentNames)
            .Int("ImageMargin", &P::ImageMargin, &P::SetImageMargin)
            .Enum<TMwImagePosition>("ImagePosition", &P::ImagePosition, &P::SetImagePosition, kImagePositionNames)
            .Ref<cl::TCustomImageList>("Images", &P::Images, &P::SetImages)
            .Int("Margin", &P::Margin, &P::SetMargin)
            .Bool("MultiLine", &P::MultiLine, &P::SetMultiLine)
            .Bool("ParentBackgroundColor", &P::ParentBackgroundColor, &P::SetParentBackgroundColor)
            .Int("RowIndent", &P::RowIndent, &P::SetRowIndent)
            .Int("RowOverlap", &P::RowOverlap, &P::SetRowOverlap)
            .Bool("ShowCardFrame", &P::ShowCardFrame, &P::SetShowCardFrame)
            .Bool("ShowCloseButton", &P::ShowCloseButton, &P::SetShowCloseButton)
            .Bool("ShowFocusRect", &P::ShowFocusRect, &P::SetShowFocusRect)
            .Bool("ShowFullFrame", &P::ShowFullFrame, &P::SetShowFullFrame)
            .Bool("ShowShadow", &P::ShowShadow, &P::SetShowShadow)
            .Object("TabColors", &P::TabColors)
            .Object("TextColors", &P::TextColors)
            .Int("TabHeight", &P::TabHeight, &P::SetTabHeight)
            .Bool("TabHints", &P::TabHints, &P::SetTabHints)
            .Int("TabIndex", &P::TabIndex, &P::SetTabIndex)
            .Enum<TMwTabOrientation>("TabOrientation", &P::TabOrientation, &P::SetTabOrientation, kTabOrientationNames)
            .Enum<TMwTabSequence>("TabSequence", &P::TabSequence, &P::SetTabSequence, kTabSequenceNames)
            .Enum<TMwTabStyle>("TabStyle", &P::TabStyle, &P::SetTabStyle, kTabStyleNames)
            .Int("TabWidth", &P::TabWidth, &P::SetTabWidth)
            .Enum<TMwHorizontalAlignment>("TextAlignment", &P::TextAlignment, &P::SetTextAlignment, kHorizontalAlignmentNames)
            .Enum<TMwVerticalAlignment>("TextAlignmentVertical", &P::TextAlignmentVertical, &P::SetTextAlignmentVertical,
                                        kVerticalAlignmentNames)
            .Enum<TOrientation>("TextOrientation", &P::TextOrientation, &P::SetTextOrientation, kOrientationNames)
            .Bool("Transparent", &P::Transparent, &P::SetTransparent)
            .Bool("UseColoredTabs", &P::UseColoredTabs, &P::SetUseColoredTabs)
            .Bool("UseGradients", &P::UseGradients, &P::SetUseGradients)
            .Event("OnChange", &P::OnChange)
            .Event("OnChanging", &P::OnChanging)
            .Event("OnClose", &P::OnClose)
            .Event("OnGetTextColor", &P::OnGetTextColor)
            .Event("OnPaintBackground", &P::OnPaintBackground)
            .Event("OnPaintCardBackground", &P::OnPaintCardBackground)
            .Event("OnPaintTabBackground", &P::OnPaintTabBackground)
            .Event("OnTabClick", &P::OnTabClick)
            .Build();
    return *info;
}

TMwPageControl::TMwPageControl(cl::TComponent* owner) : cl::TCustomControl(owner), tabColors_(*this), textColors_(*this) {
    SetBounds(0, 0, 300, 150);
    SetTabStop(true);
}

TMwPageControl::~TMwPageControl() {
    // The sheets die with their parent after this; they must not call back.
    for (TMwTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

void TMwPageControl::ControlListChanged(cl::TControl* control, bool inserted) {
    if (!inserted) {
        const auto it = std::find_if(pages_.begin(), pages_.end(), [&](TMwTabSheet* p) { return p == control; });
        if (it != pages_.end()) RemovePage(*it);
        return;
    }
    auto* sheet = dynamic_cast<TMwTabSheet*>(control);
    if (!sheet || std::find(pages_.begin(), pages_.end(), sheet) != pages_.end()) return;
    pages_.push_back(sheet);
    sheet->pageControl_ = this;
    TabsChanged();
}

void TMwPageControl::RemovePage(TMwTabSheet* sheet) {
    const auto it = std::find(pages_.begin(), pages_.end(), sheet);
    if (it == pages_.end()) return;
    if (sheet == activePage_) {
        sheet->ShowSheet(false);
        activePage_ = nullptr;
    }
    pages_.erase(it);
    sheet->pageControl_ = nullptr;
    TabsChanged();
}

void TMwPageControl::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == images_) images_ = nullptr;
    if (component == activePageDefault_) activePageDefault_ = nullptr;
}

void TMwPageControl::SetImages(cl::TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
    Invalidate();
}

void TMwPageControl::SetParentBackgroundColor(bool v) {
    parentBackgroundColor_ = v;
    if (v && Parent()) backgroundColor_ = Parent()->Color();
    Invalidate();
}

void TMwPageControl::SetShowFullFrame(bool v) {
    showFullFrame_ = v;
    if (!v) showShadow_ = false;
    Invalidate();
}

void TMwPageControl::SetShowShadow(bool v) {
    showShadow_ = v;
    if (v) showFullFrame_ = true;
    Invalidate();
}

int TMwPageControl::TabCount() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](const TMwTabSheet* p) { return p->TabVisible(); }));
}

void TMwPageControl::TabsChanged() {
    if (activePage_) {
        const int index = activePage_->TabIndex();
        if (index != tabIndex_) tabIndex_ = index;
    }
    Realign();
    Invalidate();
}

bool TMwPageControl::MayChangeTo(int index) {
    int tab = 0;
    for (TMwTabSheet* page : pages_) {
        if (!page->TabVisible()) continue;
        if (tab++ != index) continue;
        if (!page->TabEnabled()) return false;
        if (index == tabIndex_) return true;
        bool allow = true;
        OnChanging(this, index, allow);
        return allow;
    }
    return false;
}

void TMwPageControl::SetTabIndex(int index) {
    if (IsLoading()) {
        tabIndex_ = index;
        return;
    }
    if (index < 0 || index >= TabCount()) {
        tabIndex_ = -1;
        Invalidate();
        return;
    }
    if (!MayChangeTo(index)) return;
    const bool changed = index != tabIndex_;
    tabIndex_ = index;
    for (TMwTabSheet* page : pages_)
        if (page->TabIndex() == index) ShowSheet(page);
    Invalidate();
    if (changed) OnChange(this);
}

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

void TMwPageControl::ShowSheet(TMwTabSheet* sheet) {
    if (sheet == activePage_) return;
    if (sheet) {
        sheet->BringToFront();
        sheet->ShowSheet(true);
    }
    TMwTabSheet* old = activePage_;
    activePage_ = sheet;
    if (old) {
        old->ShowSheet(false);
        if (saveResources_) old->DestroyHandle();
    }
}

void TMwPageControl::SelectNextPage(bool forward) {
    if (pages_.empty()) return;
    const int count = PageCount();
    int start = activePage_ ? activePage_->PageIndex() : (forward ? -1 : count);
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (forward ? step : -step)) % count + count) % count;
        if (pages_[static_cast<size_t>(index)]->TabVisible()) {
            SetActivePage(pages_[static_cast<size_t>(index)]);
            return;
        }
    }
}

void TMwPageControl::HideAllTabs() {
    for (TMwTabSheet* page : pages_) page->SetTabVisible(false);
}

void TMwPageControl::ShowAllTabs() {
    for (TMwTabSheet* page : pages_) page->SetTabVisible(true);
}

void TMwPageControl::Loaded() {
    cl::TCustomControl::Loaded();
    tabIndex_ = -1;
    TMwTabSheet* page = activePageDefault_ && activePageDefault_ != activePage_ ? activePageDefault_ : activePage_;
    activePage_ = nullptr;
    TabsChanged();
    SetActivePage(page);
}

bool TMwPageControl::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "FixedDimension")) return false;
    if (value.kind != cl::TValue::Kind::Integer) throw cl::EConvertError("FixedDimension expects an integer");
    fixedDimension_ = static_cast<int>(value.integer);
    return true;
}

int TMwPageControl::RowDepth() {
    if (fixedDimension_ > 0) return fixedDimension_;
    if (tabHeight_ > 0) return tabHeight_;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, "Pp", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cy + 6;
}

std::vector<cl::TRect> TMwPageControl::TabRects() {
    std::vector<cl::TRect> rects;
    const int depth = RowDepth();
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    int x = kTabStart;
    for (TMwTabSheet* page : pages_) {
        if (!page->TabVisible()) continue;
        SIZE size{};
        const std::string& caption = page->Caption();
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        const int width = tabWidth_ > 0 ? tabWidth_ : size.cx + 16;
        rects.push_back({x, 0, x + width, depth});
        x += width;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return rects;
}

cl::TRect TMwPageControl::DisplayRect() {
    cl::TRect r = ClientRect();
    if (TabCount() == 0) return r;  // without tabs the sheets take the whole control
    r.top += RowDepth();
    return showCardFrame_ ? Inset(r, 2, 2) : r;
}

void TMwPageControl::AlignControls() { AlignChildrenIn(*this, DisplayRect(), aligning_); }

void TMwPageControl::Paint(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const cl::TRect all = ClientRect();
    const cl::TColor background = parentBackgroundColor_ && Parent() ? Parent()->Color() : backgroundColor_;
    bool handled = false;
    OnPaintBackground(this, canvas, all, handled);
    if (!handled) FillSolid(dc, all, background);
    if (TabCount() == 0) return;

    const cl::TRect card{all.left, RowDepth() - 1, all.right, all.bottom};
    FillSolid(dc, card, activePage_ ? activePage_->Color() : Color());
    if (showCardFrame_) PaintFrame(canvas, card, TFrameStyle::Raised, sdAll);
    const std::vector<cl::TRect> tabs = TabRects();
    canvas.Font().Assign(*Font());
    int tab = 0;
    for (TMwTabSheet* page : pages_) {
        if (!page->TabVisible()) continue;
        const cl::TRect r = tabs[static_cast<size_t>(tab)];
        const bool current = tab == tabIndex_;
        const cl::TRect face = current ? cl::TRect{r.left, r.top, r.right, r.bottom + 1} : cl::TRect{r.left, r.top + 2, r.right, r.bottom - 1};
        FillSolid(dc, face, current ? page->Color() : tabColors_.Unselected());
        PaintFrame(canvas, face, TFrameStyle::Flat, sdLeft | sdTop | sdRight, {cl::clBtnShadow, cl::clBtnHighlight, cl::clBtnShadow, 1});
        canvas.Font().SetColor(!page->TabEnabled() ? textColors_.DisabledShadow()
                               : current           ? textColors_.Selected()
                                                   : textColors_.Unselected());
        canvas.TextRect(face, page->Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ++tab;
    }
}

void TMwPageControl::WndProc(cl::TMessage& m) {
    if (m.msg == WM_LBUTTONDOWN && Enabled()) {
        const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        const std::vector<cl::TRect> tabs = TabRects();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (!tabs[i].Contains(point)) continue;
            SetTabIndex(static_cast<int>(i));
            if (tabIndex_ == static_cast<int>(i)) OnTabClick(this);
            break;
        }
    }
    cl::TCustomControl::WndProc(m);
}
