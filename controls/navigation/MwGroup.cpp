#include "controls/navigation/MwGroup.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/MwRapidFireButton.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

const cl::TEnumNames kItemStyleNames{{{"isSmall", 0}, {"isLarge", 1}}};
const char kPlacementError[] = "TMwGroup components can only be placed in a TMwGroupBar component";

cl::TColor DefaultCaptionColor(TMwGroupBarStyle style) {
    switch (style) {
        case TMwGroupBarStyle::TaskList: return cl::clWindow;
        case TMwGroupBarStyle::Outlook: return cl::clBtnFace;
        default: return cl::clHighlightText;
    }
}

}  // namespace

const cl::TClassInfo& TMwGroup::StaticClass() {
    using G = TMwGroup;
    static const auto info = cl::TClassBuilder<G>("TMwGroup", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Bool("Opened", &G::Opened, &G::SetOpened)
                                 .Int("OpenedHeight", &G::OpenedHeight, &G::SetOpenedHeight)
                                 .Bool("CanClose", &G::CanClose, &G::SetCanClose)
                                 .Bool("Special", &G::Special, &G::SetSpecial)
                                 .Int("CaptionHeight", &G::CaptionHeight, &G::SetCaptionHeight)
                                 .Object("CaptionFont", &G::CaptionFont)
                                 .Color("CaptionColor", &G::CaptionColor, &G::SetCaptionColor)
                                 .Bool("CaptionColorDefault", &G::CaptionColorDefault, &G::SetCaptionColorDefault)
                                 .Color("CaptionHotColor", &G::CaptionHotColor, &G::SetCaptionHotColor)
                                 .Int("CaptionImageIndex", &G::CaptionImageIndex, &G::SetCaptionImageIndex)
                                 .Color("Color", &G::Color, &G::SetGroupColor)
                                 .Bool("ColorDefault", &G::ColorDefault, &G::SetColorDefault)
                                 .Color("BorderColor", &G::BorderColor, &G::SetBorderColor)
                                 .Bool("DividerVisible", &G::DividerVisible, &G::SetDividerVisible)
                                 .Color("DividerColor", &G::DividerColor, &G::SetDividerColor)
                                 .Bool("UseGradients", &G::UseGradients, &G::SetUseGradients)
                                 .Collection("Items", &G::Items)
                                 .Enum<TMwItemStyle>("ItemStyle", &G::ItemStyle, &G::SetItemStyle, kItemStyleNames)
                                 .Int("ItemHeight", &G::ItemHeight, &G::SetItemHeight)
                                 .Int("ItemIndent", &G::ItemIndent, &G::SetItemIndent)
                                 .Color("ItemHotColor", &G::ItemHotColor, &G::SetItemHotColor)
                                 .Color("SelectionColor", &G::SelectionColor, &G::SetSelectionColor)
                                 .Bool("ShowItemSelection", &G::ShowItemSelection, &G::SetShowItemSelection)
                                 .Ref<cl::TCustomImageList>("SmallImages", &G::SmallImages, &G::SetSmallImages)
                                 .Ref<cl::TCustomImageList>("LargeImages", &G::LargeImages, &G::SetLargeImages)
                                 .Int("GroupIndex", &G::GroupIndex, &G::SetGroupIndex)
                                 .Event("OnCanOpen", &G::OnCanOpen)
                                 .Event("OnCanClose", &G::OnCanClose)
                                 .Event("OnOpen", &G::OnOpen)
                                 .Event("OnClose", &G::OnClose)
                                 .Event("OnMouseEnter", &G::OnMouseEnter)
                                 .Event("OnMouseLeave", &G::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwGroup::TMwGroup(cl::TComponent* owner) : cl::TCustomControl(owner), items_(this) {
    applyingStyle_ = true;  // the defaults are no explicit font changes
    SetBounds(0, 0, 145, 50);
    SetDoubleBuffered(true);
    Font()->SetColor(cl::clWindowText);
    captionFont_.Assign(*Font());
    captionFont_.SetStyle(cl::fsBold);
    captionFont_.SetColor(cl::clHighlight);
    captionFont_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (!applyingStyle_) captionFontChanged_ = true;
        if (bar_) bar_->Realign();
        Invalidate();
    });
    SetColor(cl::clBtnFace);
    RecomputePressedColors();

    // The outlook style's item scroll buttons.
    upButton_ = new TMwRapidFireButton(this);
    upButton_->SetScrollStyle(TMwScrollStyle::Up);
    downButton_ = new TMwRapidFireButton(this);
    downButton_->SetScrollStyle(TMwScrollStyle::Down);
    for (TMwRapidFireButton* button : {upButton_, downButton_}) {
        button->SetVisible(false);
        button->SetParent(this);
    }
    upButton_->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ScrollItems(-1); });
    downButton_->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ScrollItems(1); });

    const auto imagesChanged = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        UpdateLayout();
        Repaint();
    });
    smallImagesLink_.OnChange = imagesChanged;
    largeImagesLink_.OnChange = imagesChanged;

    handCursor_ = LoadCursorA(GetModuleHandleA(nullptr), "MWCOMMON_HANDCURSOR");
    if (!handCursor_) handCursor_ = LoadCursorA(nullptr, IDC_HAND);
    applyingStyle_ = false;
}

TMwGroup::~TMwGroup() {
    if (bar_) bar_->RemoveGroup(this);
    bar_ = nullptr;
}

// ---- bar membership ----

void TMwGroup::SetParentComponent(cl::TComponent* parent) {
    if (!parent) return;
    auto* bar = dynamic_cast<TMwGroupBar*>(parent);
    if (!bar) throw EMwGroupBarError(kPlacementError);
    SetGroupBar(bar);
}

void TMwGroup::ValidateParent(cl::TControl* parent) {
    if (parent && !dynamic_cast<TMwGroupBar*>(parent)) throw EMwGroupBarError(kPlacementError);
}

void TMwGroup::SetGroupBar(TMwGroupBar* bar) {
    if (bar == bar_) return;
    if (Parent() != bar) SetParent(bar);
    else FollowParent();
}

void TMwGroup::ParentChanged() {
    cl::TCustomControl::ParentChanged();
    FollowParent();
}

void TMwGroup::FollowParent() {
    auto* bar = dynamic_cast<TMwGroupBar*>(Parent());
    if (bar == bar_) return;
    if (bar_) bar_->RemoveGroup(this);
    bar_ = bar;
    if (bar) bar->AddGroup(this);
}

int TMwGroup::GroupIndex() const { return bar_ ? bar_->IndexOfGroup(this) : -1; }

void TMwGroup::SetGroupIndex(int index) {
    if (!bar_) return;
    if (index > bar_->GroupCount() - 1 || index < 0)
        throw cl::EListError(std::to_string(index) + " is an invalid GroupIndex value. GroupIndex must be between 0 and " +
                             std::to_string(bar_->GroupCount() - 1));
    bar_->MoveGroup(this, index);
}

TMwGroupBarStyle TMwGroup::BarStyle() const { return bar_ ? bar_->Style() : style_; }

void TMwGroup::ApplyBarStyle(TMwGroupBarStyle style) {
    const TMwGroupBarStyle from = style_;
    style_ = style;
    applyingStyle_ = true;
    try {
        if (captionColorDefault_) captionColor_ = DefaultCaptionColor(style);
        switch (style) {
            case TMwGroupBarStyle::CategoryView:
                if (colorDefault_) SetColor(CategoryViewColor());
                if (!captionFontChanged_) {
                    captionFont_.SetStyle(cl::fsBold);
                    captionFont_.SetColor(cl::clHighlight);
                }
                dividerColor_ = cl::clHighlight;
                if (from != style) dividerVisible_ = false;
                if (from == TMwGroupBarStyle::TaskList) canClose_ = true;
                break;
            case TMwGroupBarStyle::TaskList:
                if (colorDefault_) SetParentColor(true);
                if (!captionFontChanged_) {
                    captionFont_.SetStyle(cl::fsBold);
                    captionFont_.SetColor(cl::clWindowText);
                }
                dividerVisible_ = true;
                dividerColor_ = cl::clHighlight;
                canClose_ = false;
                opened_ = true;
                break;
            case TMwGroupBarStyle::Outlook:
                if (colorDefault_) SetColor(cl::clBtnShadow);
                if (!captionFontChanged_) {
                    captionFont_.SetStyle(0);
                    captionFont_.SetColor(cl::clWindowText);
                }
                canClose_ = true;
                if (bar_ && !IsLoading()) opened_ = GroupIndex() == 0;
                break;
        }
        if (!fontSet_) Font()->SetColor(cl::clWindowText);
        if (from == TMwGroupBarStyle::Outlook && style != TMwGroupBarStyle::Outlook) {
            opened_ = true;
            if (items_.Count() == 0 && ControlCount() == 2) openedHeight_ = 50;
        }
    } catch (...) {
        applyingStyle_ = false;
        throw;
    }
    applyingStyle_ = false;
    PlaceScrollButtons();
    Invalidate();
}

// ---- opening and closing ----

void TMwGroup::SetOpened(bool v) {
    if (!bar_) {
        opened_ = v;
        return;
    }
    switch (bar_->Style()) {
        case TMwGroupBarStyle::TaskList: opened_ = true; return;
        case TMwGroupBarStyle::Outlook: {
            if (!v || opened_) return;
            opened_ = true;
            if (!IsLoading()) OnOpen(this);
            // The others close without events of their own; each then hears that it closed.
            std::vector<TMwGroup*> closed;
            for (int i = 0; i < bar_->GroupCount(); ++i) {
                TMwGroup* other = bar_->Groups(i);
                if (other == this || !other->opened_) continue;
                other->opened_ = false;
                closed.push_back(other);
            }
            for (TMwGroup* other : closed) {
                other->PlaceScrollButtons();
                if (!IsLoading()) other->OnClose(other);
            }
            PlaceScrollButtons();
            bar_->AlignGroup(this);
            return;
        }
        case TMwGroupBarStyle::CategoryView:
            if (!canClose_ || v == opened_) return;
            opened_ = v;
            if (!IsLoading()) (v ? OnOpen : OnClose)(this);
            bar_->AlignGroup(this);
            if (v)
                for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
            Invalidate();
            return;
    }
}

void TMwGroup::ToggleOpened() {
    bool allow = true;
    (opened_ ? OnCanClose : OnCanOpen)(this, allow);
    if (allow) SetOpened(!opened_);
}

void TMwGroup::SetCanClose(bool v) {
    if (BarStyle() != TMwGroupBarStyle::CategoryView) return;
    if (!v) Open();
    StoreAndInvalidate(canClose_, v);
}

void TMwGroup::ChangeScale(int m, int d) {
    cl::TCustomControl::ChangeScale(m, d);
    SetOpenedHeight(MulDiv(openedHeight_, m, d));
}

void TMwGroup::SetOpenedHeight(int v) {
    openedHeight_ = v;
    if (!opened_) return;
    SetHeight(v);
    if (bar_) bar_->Realign();
}

void TMwGroup::SetCaptionHeight(int v) {
    captionHeight_ = std::max(v, 16);
    Invalidate();
    if (bar_) bar_->Realign();
}

void TMwGroup::SetCaptionColor(cl::TColor v) {
    captionColorDefault_ = false;
    StoreAndInvalidate(captionColor_, v);
}

void TMwGroup::SetCaptionColorDefault(bool v) {
    captionColorDefault_ = v;
    if (!v) return;
    captionColor_ = DefaultCaptionColor(BarStyle());
    Invalidate();
}

void TMwGroup::SetGroupColor(cl::TColor v) {
    colorDefault_ = false;
    SetColor(v);
}

void TMwGroup::SetColorDefault(bool v) {
    colorDefault_ = v;
    if (!v) return;
    switch (BarStyle()) {
        case TMwGroupBarStyle::CategoryView: SetColor(CategoryViewColor()); break;
        case TMwGroupBarStyle::TaskList: SetParentColor(true); break;
        case TMwGroupBarStyle::Outlook: SetColor(cl::clBtnShadow); break;
    }
    colorDefault_ = true;
}

bool TMwGroup::CategoryThemed() const { return bar_ && bar_->ThemeAware() && ThemeServices().ThemesEnabled(); }

cl::TColor TMwGroup::CategoryViewColor() const {
    cl::TColor color = cl::clBtnFace;
    if (CategoryThemed())
        ThemeServices().ElementColor(ThemeElementDetails(TThemedExplorerBar::NormalGroupBackground), kThemeFillColor, color);
    return color;
}

void TMwGroup::SetCaptionHotColor(cl::TColor v) {
    if (!cl::StoreIfChanged(captionHotColor_, v)) return;
    RecomputePressedColors();
    Invalidate();
}

void TMwGroup::SetItemHotColor(cl::TColor v) {
    if (!cl::StoreIfChanged(itemHotColor_, v)) return;
    RecomputePressedColors();
    Invalidate();
}

void TMwGroup::RecomputePressedColors() {
    pressedCaptionColor_ = MixColors(cl::clBtnShadow, captionHotColor_, 128);
    pressedItemColor_ = MixColors(cl::clBtnShadow, itemHotColor_, 128);
}

void TMwGroup::FontChanged() {
    cl::TCustomControl::FontChanged();
    if (applyingStyle_) return;
    fontSet_ = true;
    if (!captionFontChanged_) {
        applyingStyle_ = true;  // following the body font is no explicit change of the caption font
        captionFont_.SetName(Font()->Name());
        captionFont_.SetHeight(Font()->Height());
        captionFont_.SetStyle(captionFont_.Style() | cl::fsBold);
        applyingStyle_ = false;
    }
    if (bar_) bar_->Realign();
}

// ---- images and items ----

void TMwGroup::SetSmallImages(cl::TCustomImageList* images) {
    if (images == smallImages_) return;
    cl::ReplaceImageList(*this, smallImages_, images, smallImagesLink_);
    UpdateLayout();
}

void TMwGroup::SetLargeImages(cl::TCustomImageList* images) {
    if (images == largeImages_) return;
    cl::ReplaceImageList(*this, largeImages_, images, largeImagesLink_);
    UpdateLayout();
}

void TMwGroup::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
}

cl::TCustomImageList* TMwGroup::SmallImageList() const {
    return smallImages_ ? smallImages_ : bar_ ? bar_->SmallImages() : nullptr;
}

cl::TCustomImageList* TMwGroup::LargeImageList() const {
    return largeImages_ ? largeImages_ : bar_ ? bar_->LargeImages() : nullptr;
}

void TMwGroup::UpdateLayout() {
    if (bar_) bar_->Realign();
    PlaceScrollButtons();
    Invalidate();
}

void TMwGroup::ItemsChanged() { UpdateLayout(); }

void TMwGroup::ItemRemoved(int index) {
    if (index < 0 || index == clickedItem_) clickedItem_ = -1;
    else if (index < clickedItem_) --clickedItem_;
    if (index < 0 || topItemIndex_ >= items_.Count() - 1) topItemIndex_ = std::max(0, std::min(topItemIndex_, items_.Count() - 2));
}

void TMwGroup::ItemSelected(TMwGroupItem* item) {
    // Through the message when there is a window, so that a subclass sees it.
    if (bar_ && bar_->Parent() && HandleAllocated()) Perform(CM_ITEMSELECTED, 0, reinterpret_cast<LPARAM>(item));
    else
        for (int i = 0; i < items_.Count(); ++i) items_.Items(i)->ItemSelected(item);
}

void TMwGroup::InitiateAction() {
    for (int i = 0; i < items_.Count(); ++i) items_.Items(i)->InitiateAction();
}

TMwGroupItem* TMwGroup::ItemAt(cl::TPoint point) {
    for (int i = 0; i < items_.Count(); ++i) {
        TMwGroupItem* item = items_.Items(i);
        if (item->Visible() && item->Hit(point)) return item;
    }
    return nullptr;
}

TMwGroupItem* TMwGroup::GetClickedItem() {
    return clickedItem_ >= 0 && clickedItem_ < items_.Count() ? items_.Items(clickedItem_) : nullptr;
}

TGroupItemMetrics TMwGroup::ItemMetrics(int width) {
    cl::TCustomImageList* images = itemStyle_ == TMwItemStyle::Large ? LargeImageList() : SmallImageList();
    TGroupItemMetrics metrics;
    metrics.style = itemStyle_;
    metrics.width = width;
    metrics.captionHeight = captionHeight_;
    metrics.itemHeight = itemHeight_;
    metrics.hasImages = images != nullptr;
    metrics.imageWidth = images ? images->Width() : 0;
    metrics.imageHeight = images ? images->Height() : 0;
    metrics.itemIndent = itemIndent_;
    metrics.rightToLeft = UseRightToLeftReading();
    return metrics;
}

std::vector<TGroupItemFacts> TMwGroup::ItemFacts() const {
    std::vector<TGroupItemFacts> facts;
    for (int i = 0; i < items_.Count(); ++i) {
        const TMwGroupItem* item = items_.Items(i);
        facts.push_back({item->Visible(), item->IndentLevel(), item->ImageIndex() != -1, item->Caption() == "-"});
    }
    return facts;
}

int TMwGroup::UnwrappedItemsWidth() {
    const cl::TScreenDC screen;
    const HDC dc = screen.Handle();
    const cl::TSelectObject font(dc, Font()->Handle());
    std::vector<int> lineWidths;
    for (int i = 0; i < items_.Count(); ++i) {
        const std::string text = WithoutAccelerators(items_.Items(i)->Caption());
        RECT r{0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
        lineWidths.push_back(r.right - r.left);
    }
    return mw::UnwrappedItemsWidth(ItemMetrics(0), ItemFacts(), lineWidths);
}

TGroupItemsLayout TMwGroup::LayoutItems(int width) {
    const bool large = itemStyle_ == TMwItemStyle::Large;
    TGroupItemMetrics metrics = ItemMetrics(width);
    const std::vector<TGroupItemFacts> facts = ItemFacts();

    const cl::TScreenDC screen;
    const HDC dc = screen.Handle();
    const cl::TSelectObject font(dc, Font()->Handle());
    SIZE sample{};
    GetTextExtentPoint32A(dc, "Pp", 2, &sample);
    metrics.sampleTextHeight = sample.cy;
    const auto measure = [&](int index, int maxWidth) {
        const std::string text = WithoutAccelerators(items_.Items(index)->Caption());
        SIZE line{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &line);
        RECT r{0, 0, maxWidth, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | (large ? DT_CENTER : 0));
        return TItemTextExtent{line.cx, r.bottom - r.top};
    };
    const TGroupItemsLayout layout = LayoutGroupItems(metrics, facts, topItemIndex_, measure);
    for (int i = 0; i < items_.Count(); ++i) {
        const TGroupItemPlace& place = layout.items[static_cast<size_t>(i)];
        items_.Items(i)->SetHitRects(place.textRect, place.imageRect);
    }
    return layout;
}

int TMwGroup::HeightForWidth(int width) { return LayoutItems(width).height; }

// ---- outlook scroll buttons and child controls ----

void TMwGroup::PlaceScrollButtons() {
    if (!upButton_ || !downButton_) return;
    const bool outlook = style_ == TMwGroupBarStyle::Outlook;
    const int needed = outlook && opened_ && items_.Count() > 0 ? LayoutItems(ClientWidth()).height : 0;
    const TOutlookButtons buttons = PlaceOutlookButtons(outlook, opened_, ClientWidth(), ClientHeight(), captionHeight_,
                                                        topItemIndex_, items_.Count(), needed);
    upButton_->SetBounds(buttons.up.left, buttons.up.top, buttons.up.Width(), buttons.up.Height());
    downButton_->SetBounds(buttons.down.left, buttons.down.top, buttons.down.Width(), buttons.down.Height());
    upButton_->SetVisible(buttons.upVisible);
    downButton_->SetVisible(buttons.downVisible);
}

void TMwGroup::ScrollItems(int step) {
    const int top = std::max(0, std::min(topItemIndex_ + step, items_.Count() - 1));
    if (top == topItemIndex_) return;
    topItemIndex_ = top;
    PlaceScrollButtons();
    Invalidate();
}

void TMwGroup::Resize() {
    cl::TCustomControl::Resize();
    PlaceScrollButtons();
}

void TMwGroup::AlignControls() {
    if (IsLoading() || IsDestroying() || ControlCount() == 0) return;
    cl::TRect area = ClientRect();
    area.top = captionHeight_;
    if (style_ == TMwGroupBarStyle::CategoryView) area = {area.left + 1, area.top, area.right - 1, area.bottom - 1};
    std::vector<cl::TAlignItem> aligned;
    for (int i = 0; i < ControlCount(); ++i)
        aligned.push_back({Controls(i)->Align(), Controls(i)->BoundsRect(), Controls(i)->Visible()});
    cl::ArrangeAligned(area, aligned);
    for (int i = 0; i < ControlCount(); ++i)
        if (aligned[static_cast<size_t>(i)].align != cl::TAlign::None) {
            const cl::TRect& r = aligned[static_cast<size_t>(i)].bounds;
            Controls(i)->SetBounds(r.left, r.top, r.Width(), r.Height());
        }
}

void TMwGroup::Loaded() {
    cl::TCustomControl::Loaded();
    // The actions are whole now; values the form resource gave the items stay.
    for (int i = 0; i < items_.Count(); ++i)
        if (cl::TAction* action = items_.Items(i)->Action()) items_.Items(i)->ActionChange(*action, true);
    UpdateLayout();
}

// ---- mouse ----

TMwGroupItem* TMwGroup::PressedItem() {
    for (int i = 0; i < items_.Count(); ++i)
        if (items_.Items(i)->PressedMark()) return items_.Items(i);
    return nullptr;
}

void TMwGroup::MouseDownAt(cl::TMouseButton button, cl::TPoint p) {
    if (!Enabled()) return;
    if (button == cl::TMouseButton::Left && canClose_ && CaptionRect().Contains(p)) {
        if (bar_ && bar_->HandleAllocated() && IsWindowVisible(bar_->Handle())) bar_->SetFocus();
        SetCapture(Handle());
        captionState_ = TMwCaptionState::Pressed;
        captionPressed_ = true;
        Invalidate();
        return;
    }
    for (int i = 0; i < items_.Count(); ++i) {
        TMwGroupItem* item = items_.Items(i);
        if (!item->Enabled() || !item->Visible() || !item->Hit(p)) continue;
        if (button == cl::TMouseButton::Left) {
            if (!item->Clickable()) continue;
            item->SetState(TMwItemState::Pressed);
            item->SetPressedMark(true);
            item->SetSelected(true);
            Invalidate();
        } else if (button == cl::TMouseButton::Right) {
            item->SetPressedMark(true);
        }
        return;
    }
}

void TMwGroup::MouseMoveAt(cl::TPoint p) {
    bool changed = false;
    if (canClose_ && CaptionRect().Contains(p)) {
        const TMwCaptionState state = captionPressed_ ? TMwCaptionState::Pressed : TMwCaptionState::Hot;
        changed = state != captionState_;
        captionState_ = state;
    } else {
        if (captionState_ != TMwCaptionState::Normal && !captionPressed_) {
            captionState_ = TMwCaptionState::Normal;
            changed = true;
        }
        // One item changes per move: the first whose state is not the wanted one.
        for (int i = 0; i < items_.Count(); ++i) {
            TMwGroupItem* item = items_.Items(i);
            TMwItemState wanted = TMwItemState::Normal;
            if (item->Clickable() && item->Hit(p)) wanted = item->PressedMark() ? TMwItemState::Pressed : TMwItemState::Hot;
            if (item->State() == wanted) continue;
            item->SetState(wanted);
            changed = true;
            break;
        }
    }
    if (changed) Invalidate();
}

void TMwGroup::MouseUpAt(cl::TMouseButton button, cl::TPoint p) {
    if (button == cl::TMouseButton::Left && captionPressed_) {
        captionPressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        captionState_ = TMwCaptionState::Hot;
        Invalidate();
        if (CaptionRect().Contains(p)) {
            Repaint();
            ToggleOpened();
        }
        return;
    }
    TMwGroupItem* item = PressedItem();
    if (!item || button == cl::TMouseButton::Middle) return;
    item->SetPressedMark(false);
    item->SetState(button == cl::TMouseButton::Left ? TMwItemState::Hot : TMwItemState::Normal);
    Invalidate();
    if (!item->Hit(p)) return;
    Repaint();
    if (button == cl::TMouseButton::Left) {
        item->Click();
    } else {
        const cl::TPoint screen = ClientToScreen(p);
        item->PopupClick(item->Index(), screen.x, screen.y);
    }
}

void TMwGroup::MouseLeft() {
    captionState_ = TMwCaptionState::Normal;
    for (int i = 0; i < items_.Count(); ++i) items_.Items(i)->SetState(TMwItemState::Normal);
    OnMouseLeave(this);
    Invalidate();
}

void TMwGroup::DragOver(cl::TObject* source, cl::TPoint point, cl::TDragState state, bool& accept) {
    cl::TCustomControl::DragOver(source, point, state, accept);
    if (!accept) return;
    for (int i = 0; i < items_.Count(); ++i) items_.Items(i)->SetState(TMwItemState::Normal);
    if (ClientRect().Contains(point))
        if (TMwGroupItem* item = ItemAt(point)) item->SetState(TMwItemState::Hot);
    Invalidate();
}

void TMwGroup::DoEndDrag(cl::TObject* target, cl::TPoint point) {
    cl::TCustomControl::DoEndDrag(target, point);
    for (int i = 0; i < items_.Count(); ++i) {
        items_.Items(i)->SetState(TMwItemState::Normal);
        items_.Items(i)->SetPressedMark(false);
    }
    Invalidate();
}

void TMwGroup::DoContextPopup(cl::TPoint screenPoint, bool& handled) {
    const cl::TPoint p = ScreenToClient(screenPoint);
    for (int i = 0; i < items_.Count(); ++i) {
        const TMwGroupItem* item = items_.Items(i);
        if (item->Visible() && item->Hit(p) && item->OnPopupClick) {
            handled = true;  // the item's own popup click instead of a menu
            return;
        }
    }
    cl::TCustomControl::DoContextPopup(screenPoint, handled);
}

bool TMwGroup::HandleSetCursor(cl::TMessage& m) {
    if (LOWORD(m.lParam) != HTCLIENT) return false;
    POINT pt;
    GetCursorPos(&pt);
    const cl::TPoint p = ScreenToClient({pt.x, pt.y});
    bool hand = false;
    if (CaptionRect().Contains(p)) {
        hand = style_ == TMwGroupBarStyle::Outlook || (style_ == TMwGroupBarStyle::CategoryView && canClose_);
    } else if (TMwGroupItem* item = ItemAt(p)) {
        hand = item->Enabled() && item->OnClick;
    }
    if (!hand) return false;
    SetCursor(handCursor_);
    m.result = TRUE;
    return true;
}

bool TMwGroup::HintAt(cl::TPoint point, std::string& text, cl::TRect& rect) {
    if (captionState_ == TMwCaptionState::Hot && CaptionRect().Contains(point)) {
        text = cl::ShortHint(Hint());
        rect = CaptionRect();
        return true;
    }
    for (int i = 0; i < items_.Count(); ++i) {
        const TMwGroupItem* item = items_.Items(i);
        if (item->State() != TMwItemState::Hot) continue;
        text = item->HintText(!cl::Application() || cl::Application()->Hints().ShowShortCuts());
        rect = item->TextRect();
        return true;
    }
    return false;
}

void TMwGroup::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered:
            OnMouseEnter(this);
            Invalidate();
            break;
        case TMouseTracking::TChange::Left: MouseLeft(); break;
        case TMouseTracking::TChange::None: break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_ERASEBKGND: m.result = 1; return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (Enabled()) {
                clickedItem_ = -1;
                for (int i = 0; i < items_.Count(); ++i) {
                    const TMwGroupItem* item = items_.Items(i);
                    if (item->Enabled() && item->Visible() && item->Hit(point)) {
                        clickedItem_ = i;
                        break;
                    }
                }
            }
            MouseDownAt(cl::TMouseButton::Left, point);
            break;
        case WM_RBUTTONDOWN: MouseDownAt(cl::TMouseButton::Right, point); break;
        case WM_MOUSEMOVE: MouseMoveAt(point); break;
        case WM_LBUTTONUP: MouseUpAt(cl::TMouseButton::Left, point); break;
        case WM_RBUTTONUP: MouseUpAt(cl::TMouseButton::Right, point); break;
        case WM_SETCURSOR:
            if (HandleSetCursor(m)) return;
            break;
        case WM_SIZE:
            cl::TCustomControl::WndProc(m);
            if (opened_ && Visible()) openedHeight_ = Height();
            return;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            Invalidate();
            return;
        case CM_ITEMSELECTED:
            for (int i = 0; i < items_.Count(); ++i)
                items_.Items(i)->ItemSelected(reinterpret_cast<const TMwGroupItem*>(m.lParam));
            m.result = 0;
            return;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

bool TMwGroup::GradientsOn() const { return bar_ && bar_->UseGradients() && useGradients_ && ScreenHasFullColor(); }

cl::TColor TMwGroup::CaptionBackground() const { return special_ ? captionFont_.Color() : captionColor_; }

cl::TColor TMwGroup::CaptionTextColor() const {
    const cl::TColor text = special_ ? captionColor_ : captionFont_.Color();
    const cl::TColor background = CaptionBackground();
    switch (captionState_) {
        case TMwCaptionState::Hot:
            return HuesTooClose(captionHotColor_, background) ? MixColors(text, background, 128) : captionHotColor_;
        case TMwCaptionState::Pressed:
            return HuesTooClose(pressedCaptionColor_, background) ? MixColors(text, background, 96) : pressedCaptionColor_;
        case TMwCaptionState::Normal: break;
    }
    return text;
}

void TMwGroup::Paint(cl::TCanvas& canvas) {
    if (!bar_) return;
    FillSolid(canvas.Handle(), ClientRect(), Color());
    switch (style_) {
        case TMwGroupBarStyle::CategoryView:
            if (CategoryThemed()) PaintCategoryThemed(canvas);
            else PaintCategoryClassic(canvas);
            break;
        case TMwGroupBarStyle::TaskList: PaintTaskList(canvas); break;
        case TMwGroupBarStyle::Outlook: PaintOutlook(canvas); break;
    }
    DrawItems(canvas);
}

int TMwGroup::DrawCaptionImage(cl::TCanvas& canvas, int imageX) {
    cl::TCustomImageList* images = SmallImageList();
    if (!images || captionImageIndex_ == -1) return 8;
    images->Draw(canvas, imageX, (captionHeight_ - images->Height()) / 2, captionImageIndex_, Enabled());
    return images->Width() + 12;
}

void TMwGroup::DrawCaptionText(cl::TCanvas& canvas, int textStart, cl::TColor color) {
    const int width = ClientWidth();
    canvas.Font().Assign(captionFont_);
    canvas.Font().SetColor(color);
    const int top = (captionHeight_ - canvas.TextHeight("Pp")) / 2;
    if (UseRightToLeftReading())
        canvas.TextRect({24, top, width - textStart, captionHeight_}, Caption(), DT_SINGLELINE | DT_RIGHT | DT_RTLREADING | DT_NOPREFIX);
    else
        canvas.TextRect({textStart, top, width - 24, captionHeight_}, Caption(), DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
}

void TMwGroup::DrawDividerRow(cl::TCanvas& canvas, bool mirror) {
    const cl::TRect row{0, captionHeight_ - 1, ClientWidth(), captionHeight_};
    if (!GradientsOn()) {
        FillSolid(canvas.Handle(), row, dividerColor_);
        return;
    }
    const bool reversed = mirror && UseRightToLeftReading();
    PaintGradient(canvas, row, gdHorizontal, reversed ? Color() : dividerColor_, reversed ? dividerColor_ : Color(), 0);
}

void TMwGroup::DrawOpenCloseButton(HDC dc, bool opened, int x, cl::TColor chevron, cl::TColor outline, int y) {
    const cl::TColor fill = CaptionBackground();
    for (const TButtonPixel& p : OpenCloseButtonPixels(opened)) {
        const int px = x + p.x, py = y + p.y;
        cl::TColor color = fill;
        switch (p.kind) {
            case TButtonPixelKind::Fill: break;
            case TButtonPixelKind::Outline: color = outline; break;
            case TButtonPixelKind::OutlineOnBackground:
                color = MixColors(outline, static_cast<cl::TColor>(GetPixel(dc, px, py)), 128);
                break;
            case TButtonPixelKind::OutlineOnFill: color = MixColors(outline, fill, 128); break;
            case TButtonPixelKind::Chevron: color = chevron; break;
        }
        SetPixel(dc, px, py, cl::ColorToRGB(color));
    }
}

void TMwGroup::PaintCategoryClassic(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const int width = ClientWidth(), height = ClientHeight();
    const bool rtl = UseRightToLeftReading();
    const cl::TColor corner = bar_->BackgroundColorAt({Left() - 1, Top()});
    const cl::TColor background = CaptionBackground();
    const cl::TColor text = CaptionTextColor();

    const cl::TRect caption = CaptionRect();
    if (GradientsOn() && !special_) {
        const int half = width / 2;
        const cl::TRect plain = rtl ? cl::TRect{width - half, 0, width, captionHeight_} : cl::TRect{0, 0, half, captionHeight_};
        const cl::TRect graded = rtl ? cl::TRect{0, 0, width - half, captionHeight_} : cl::TRect{half, 0, width, captionHeight_};
        FillSolid(dc, plain, captionColor_);
        PaintGradient(canvas, graded, gdHorizontal, rtl ? Color() : captionColor_, rtl ? captionColor_ : Color(), 0);
    } else {
        FillSolid(dc, caption, background);
    }
    cl::TCustomImageList* images = SmallImageList();
    const int imageWidth = images ? images->Width() : 0;
    const int textStart = DrawCaptionImage(canvas, rtl ? width - 8 - imageWidth : 8);
    DrawCaptionText(canvas, textStart, text);

    if (canClose_) {
        DrawOpenCloseButton(dc, opened_, rtl ? 4 : width - 20, text, bar_->Color(), (captionHeight_ - 15) / 2);
        // Rounded top corners: the bar shows through.
        for (const cl::TPoint& p : {cl::TPoint{0, 0}, {1, 0}, {0, 1}, {width - 1, 0}, {width - 2, 0}, {width - 1, 1}})
            SetPixel(dc, p.x, p.y, cl::ColorToRGB(corner));
    }
    if (dividerVisible_ && opened_) DrawDividerRow(canvas, true);
    if (opened_) {
        FillSolid(dc, {0, captionHeight_, 1, height}, borderColor_);
        FillSolid(dc, {0, height - 1, width, height}, borderColor_);
        FillSolid(dc, {width - 1, captionHeight_ - 1, width, height}, borderColor_);
        FillSolid(dc, {1, captionHeight_, width - 1, height - 1}, Color());
    }
}

void TMwGroup::PaintCategoryThemed(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    TThemeServices& themes = ThemeServices();
    const int width = ClientWidth(), height = ClientHeight();
    const cl::TRect caption = CaptionRect();
    {
        // The bar's themed background behind the caption's rounded corners.
        const cl::TRect barClient = bar_->ClientRect();
        TMemoryBitmap root(dc, barClient.Width(), barClient.Height());
        themes.DrawElement(root.DC(), ThemeElementDetails(TThemedExplorerBar::Root), barClient);
        BitBlt(dc, 0, 0, width, captionHeight_, root.DC(), Left(), Top(), SRCCOPY);
    }
    themes.DrawElement(dc, ThemeElementDetails(special_ ? TThemedExplorerBar::SpecialGroupHead : TThemedExplorerBar::NormalGroupHead),
                       caption);
    if (!canClose_)
        for (const cl::TPoint& p : {cl::TPoint{0, 0}, {1, 0}, {0, 1}, {width - 1, 0}, {width - 2, 0}, {width - 1, 1}})
            SetPixel(dc, p.x, p.y, GetPixel(dc, p.x, 2));

    cl::TCustomImageList* images = SmallImageList();
    const int imageWidth = images ? images->Width() : 0;
    const int textStart = DrawCaptionImage(canvas, UseRightToLeftReading() ? width - imageWidth - 28 : 8);
    const TThemedElementDetails head =
        ThemeElementDetails(special_ ? TThemedExplorerBar::SpecialGroupHead : TThemedExplorerBar::NormalGroupHead);
    if (UseRightToLeftReading())
        themes.DrawElementText(dc, head, Caption(), {0, 0, width - textStart - 20, captionHeight_},
                               DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_RTLREADING, 0);
    else
        themes.DrawElementText(dc, head, Caption(), {textStart, 0, width - 24, captionHeight_}, DT_SINGLELINE | DT_VCENTER, 0);

    if (canClose_) {
        // Normal, hot, pressed follow each other in the enumeration.
        const int state = static_cast<int>(captionState_);
        TThemedExplorerBar button;
        if (special_) button = opened_ ? TThemedExplorerBar::SpecialGroupCollapseNormal : TThemedExplorerBar::SpecialGroupExpandNormal;
        else button = opened_ ? TThemedExplorerBar::NormalGroupCollapseNormal : TThemedExplorerBar::NormalGroupExpandNormal;
        button = static_cast<TThemedExplorerBar>(static_cast<int>(button) + state);
        // The theme tells the glyph's size; the explorer bar's usual one when it cannot.
        SIZE size{16, 16};
        themes.ElementSize(dc, ThemeElementDetails(button), size);
        const cl::TRect r = cl::TRect::FromBounds(width - size.cx - 2, (captionHeight_ - size.cy) / 2, size.cx, size.cy);
        themes.DrawElement(dc, ThemeElementDetails(button), r);
    }
    themes.DrawElement(dc,
                       ThemeElementDetails(special_ ? TThemedExplorerBar::SpecialGroupBackground
                                                    : TThemedExplorerBar::NormalGroupBackground),
                       {0, captionHeight_, width, height});
}

void TMwGroup::PaintTaskList(cl::TCanvas& canvas) {
    const int width = ClientWidth();
    FillSolid(canvas.Handle(), CaptionRect(), Color());
    cl::TCustomImageList* images = SmallImageList();
    const int imageWidth = images ? images->Width() : 0;
    const int textStart = DrawCaptionImage(canvas, UseRightToLeftReading() ? width - imageWidth - 8 : 8);
    DrawCaptionText(canvas, textStart, CaptionTextColor());
    if (dividerVisible_) DrawDividerRow(canvas, false);
}

void TMwGroup::PaintOutlook(cl::TCanvas& canvas) {
    const int width = ClientWidth();
    cl::TColor text = captionFont_.Color();
    TFrameStyle frame = TFrameStyle::Popup;
    if (captionState_ == TMwCaptionState::Hot) {
        text = captionHotColor_;
        frame = TFrameStyle::ButtonUp;
    } else if (captionState_ == TMwCaptionState::Pressed) {
        text = pressedCaptionColor_;
        frame = TFrameStyle::Status;
    }
    const cl::TRect inside = PaintFrame(canvas, CaptionRect(), frame, sdAll);
    FillSolid(canvas.Handle(), inside, captionColor_);

    canvas.Font().Assign(captionFont_);
    canvas.Font().SetColor(text);
    int x = std::max(0, (width - canvas.TextWidth(Caption())) / 2);
    cl::TCustomImageList* images = SmallImageList();
    if (images && captionImageIndex_ != -1) {
        x = std::max(0, x - (images->Width() + 4) / 2);
        images->Draw(canvas, x, (captionHeight_ - images->Height()) / 2, captionImageIndex_, Enabled());
        x += images->Width() + 4;
    }
    const int y = 2 + (captionHeight_ - (canvas.TextHeight("Pp") + 4)) / 2;
    canvas.TextRect({x, std::max(y, 2), width - 2, captionHeight_ - 2}, Caption(), DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
}

void TMwGroup::DrawSelectionBox(cl::TCanvas& canvas, const cl::TRect& r, bool light) {
    canvas.SetPenColor(selectionColor_);
    canvas.SetBrushColor(LightenColor(selectionColor_, light ? 80 : 60));
    canvas.Rectangle(r);
}

void TMwGroup::DrawItemImage(cl::TCanvas& canvas, cl::TCustomImageList& images, const TMwGroupItem& item, cl::TPoint at) {
    if (item.DisabledIndex() == -1) images.Draw(canvas, at.x, at.y, item.ImageIndex(), item.Enabled());
    else if (!item.Enabled()) images.Draw(canvas, at.x, at.y, item.DisabledIndex(), true);
    else images.Draw(canvas, at.x, at.y, item.ImageIndex(), true);
}

cl::TColor TMwGroup::ReadableItemColor(cl::TColor state, cl::TColor normal) {
    // A hot colour that would not stand out on the body (a pale system hot-tracking colour)
    // would make the item look disabled: it keeps its own colour, the hover shows by the
    // underline or the box round its image.
    return HuesTooClose(state, Color()) ? normal : state;
}

void TMwGroup::DrawItems(cl::TCanvas& canvas) {
    const int width = ClientWidth();
    const bool large = itemStyle_ == TMwItemStyle::Large;
    const bool rtl = UseRightToLeftReading();
    cl::TCustomImageList* images = large ? LargeImageList() : SmallImageList();
    const TGroupItemsLayout layout = LayoutItems(width);
    cl::TColor normalText = Font()->Color();
    if (style_ == TMwGroupBarStyle::CategoryView && CategoryThemed())
        ThemeServices().ElementColor(ThemeElementDetails(special_ ? TThemedExplorerBar::SpecialGroupBackground
                                                                  : TThemedExplorerBar::NormalGroupBackground),
                                     kThemeTextColor, normalText);
    for (int i = 0; i < items_.Count(); ++i) {
        const TGroupItemPlace& place = layout.items[static_cast<size_t>(i)];
        if (!place.shown) continue;
        const TMwGroupItem& item = *items_.Items(i);
        const bool hot = item.State() == TMwItemState::Hot, pressed = item.State() == TMwItemState::Pressed;
        canvas.Font().Assign(*Font());
        if (!item.Enabled()) {
            canvas.Font().SetColor(Color() == cl::clBtnShadow ? cl::clBtnFace : cl::clBtnShadow);
        } else {
            canvas.Font().SetColor(normalText);
            if (hot) canvas.Font().SetColor(ReadableItemColor(itemHotColor_, normalText));
            if (pressed) canvas.Font().SetColor(ReadableItemColor(pressedItemColor_, normalText));
            if (!large && (hot || pressed)) canvas.Font().SetStyle(canvas.Font().Style() | cl::fsUnderline);
        }
        const std::string text = WithoutAccelerators(item.Caption());
        const bool selectedShown = showItemSelection_ && item.Selected();
        const bool light = hot || (item.Selected() && !pressed);
        if (large) {
            canvas.TextRect(place.textBox, text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
            if (images && place.imageDrawn) {
                if (hot || pressed || selectedShown) DrawSelectionBox(canvas, place.imageSelection, light);
                DrawItemImage(canvas, *images, item, place.imageAt);
            }
            continue;
        }
        if (item.Caption() == "-") {
            const cl::TRect row{8, place.separatorY, width - 8, place.separatorY + 1};
            if (GradientsOn()) PaintGradient(canvas, row, gdHorizontalMirror, Color(), dividerColor_, 0);
            else FillSolid(canvas.Handle(), row, dividerColor_);
        } else if (!item.Caption().empty()) {
            if (!place.imageDrawn && selectedShown) {
                const cl::TRect& b = place.textBox;
                DrawSelectionBox(canvas, {b.left - 2, b.top - 2, b.right + 2, b.bottom + 2}, light);
            }
            canvas.TextRect(place.textBox, text,
                            DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | (rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
        }
        if (images && place.imageDrawn) {
            if (((hot || pressed) && showItemSelection_) || selectedShown) DrawSelectionBox(canvas, place.imageSelection, light);
            DrawItemImage(canvas, *images, item, place.imageAt);
        }
    }
}
