#include "controls/basic/MwRadioGroup.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "controls/basic/GroupItemsLayout.h"
#include "controls/foundation/FontUtils.h"

const cl::TClassInfo& TMwRadioGroup::StaticClass() {
    using G = TMwRadioGroup;
    static const auto info = cl::TClassBuilder<G>("TMwRadioGroup", TMwCustomGroupBox::StaticClass())
                                 .Creatable()
                                 .Strings("Items", &G::Items)
                                 .Int("ItemIndex", &G::ItemIndex, &G::SetItemIndex)
                                 .Int("Columns", &G::Columns, &G::SetColumns)
                                 .Bool("SpaceEvenly", &G::SpaceEvenly, &G::SetSpaceEvenly)
                                 .Int("StartXPos", &G::StartXPos, &G::SetStartXPos)
                                 .Int("StartYPos", &G::StartYPos, &G::SetStartYPos)
                                 .Int("VerticalSpacing", &G::VerticalSpacing, &G::SetVerticalSpacing)
                                 .Int("ItemHeight", &G::ItemHeight, &G::SetItemHeight)
                                 .Bool("ItemHotTrack", &G::ItemHotTrack, &G::SetItemHotTrack)
                                 .Color("ItemFrameColor", &G::ItemFrameColor, &G::SetItemFrameColor)
                                 .Event("OnChanging", &G::OnChanging)
                                 .Build();
    return *info;
}

TMwRadioGroup::TMwRadioGroup(cl::TComponent* owner) : TMwCustomGroupBox(owner) {
    items_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (IsLoading()) return;
        if (itemIndex_ >= items_.Count()) itemIndex_ = items_.Count() - 1;
        UpdateButtons();
    });
}

// ---- properties ----

void TMwRadioGroup::SetItemIndex(int v) {
    if (IsLoading()) {
        itemIndex_ = v;
        return;
    }
    v = mw::ClampItemIndex(v, ItemCount());
    if (v == itemIndex_) return;
    settingIndex_ = true;
    if (itemIndex_ >= 0 && itemIndex_ < ItemCount()) Item(itemIndex_)->SetChecked(false);
    itemIndex_ = v;
    if (v >= 0) Item(v)->SetChecked(true);
    settingIndex_ = false;
}

void TMwRadioGroup::SetColumns(int v) {
    columns_ = mw::ClampGroupColumns(v);
    ArrangeButtons();
    Invalidate();
}

void TMwRadioGroup::SetSpaceEvenly(bool v) {
    spaceEvenly_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetStartXPos(int v) {
    startX_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetStartYPos(int v) {
    startY_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetVerticalSpacing(int v) {
    verticalSpacing_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetItemHeight(int v) {
    itemHeight_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetItemHotTrack(bool v) {
    itemHotTrack_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetItemFrameColor(cl::TColor v) {
    itemFrameColor_ = v;
    ArrangeButtons();
}

void TMwRadioGroup::SetEnabled(bool enabled) {
    TMwCustomGroupBox::SetEnabled(enabled);
    for (TMwRadioButton* button : buttons_) button->SetEnabled(enabled);
    Invalidate();
}

bool TMwRadioGroup::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "Flat") || value.kind != cl::TValue::Kind::Boolean)
        return TMwCustomGroupBox::ReadExtraProperty(name, value);
    SetItemHotTrack(value.boolean);
    return true;
}

void TMwRadioGroup::Loaded() {
    TMwCustomGroupBox::Loaded();
    itemIndex_ = mw::ClampItemIndex(itemIndex_, items_.Count());
    UpdateButtons();
}

void TMwRadioGroup::Resize() {
    TMwCustomGroupBox::Resize();
    ArrangeButtons();
}

void TMwRadioGroup::FontChanged() {
    TMwCustomGroupBox::FontChanged();
    ArrangeButtons();
}

// ---- items ----

void TMwRadioGroup::UpdateButtons() {
    while (ItemCount() > items_.Count()) {
        cl::Free(buttons_.back());
        buttons_.pop_back();
    }
    while (ItemCount() < items_.Count()) {
        auto* button = new TMwRadioButton(this);
        button->SetEnabled(Enabled());
        button->SetParent(this);
        button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject* sender) { ItemClicked(sender); });
        buttons_.push_back(button);
    }
    settingIndex_ = true;
    for (int i = 0; i < ItemCount(); ++i) {
        Item(i)->SetCaption(items_[i]);
        Item(i)->SetChecked(i == itemIndex_);
    }
    settingIndex_ = false;
    ArrangeButtons();
    Invalidate();
}

void TMwRadioGroup::ArrangeButtons() {
    if (buttons_.empty() || IsLoading()) return;
    mw::TGroupTopInput top;
    top.style = GroupStyle();
    top.hasCaption = !Caption().empty();
    top.minTextHeight = mw::GetMinFontHeight(*Font());
    top.startY = startY_;
    top.borderWidth = BorderWidth();
    top.outer = BorderOuter();
    top.inner = BorderInner();
    mw::TGroupItemsInput in;
    in.columns = columns_;
    in.spaceEvenly = spaceEvenly_;
    in.startX = startX_;
    in.width = Width();
    in.borderWidth = BorderWidth();
    in.firstRowTop = mw::GroupFirstRowTop(top);
    in.itemHeight = itemHeight_;
    in.verticalSpacing = verticalSpacing_;
    HDC screen = GetDC(nullptr);
    {
        cl::TSelectObject font(screen, Font()->Handle());
        for (TMwRadioButton* button : buttons_) {
            SIZE size{};
            GetTextExtentPoint32A(screen, button->Caption().data(), static_cast<int>(button->Caption().size()), &size);
            in.captionWidths.push_back(size.cx);
        }
    }
    ReleaseDC(nullptr, screen);
    const std::vector<cl::TRect> bounds = mw::ArrangeGroupItems(in);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        TMwRadioButton* button = buttons_[i];
        button->SetBounds(bounds[i].left, bounds[i].top, bounds[i].Width(), bounds[i].Height());
        button->SetHotTrack(itemHotTrack_);
        button->SetFrameColor(itemFrameColor_);
    }
}

void TMwRadioGroup::ItemClicked(cl::TObject* sender) {
    if (settingIndex_) return;
    int index = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i) == sender) index = i;
    if (index < 0 || index == itemIndex_) return;
    bool allow = true;
    OnChanging(this, index, allow);
    if (allow) {
        itemIndex_ = index;
        Click();
        return;
    }
    // Refused: the previous choice comes back (the item has already unchecked it).
    settingIndex_ = true;
    if (itemIndex_ >= 0) Item(itemIndex_)->SetChecked(true);
    else Item(index)->SetChecked(false);
    settingIndex_ = false;
}
