#include "controls/basic/MwRadioGroup.h"

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/GroupItemsLayout.h"

const cl::TClassInfo& TMwGroupButton::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwGroupButton>("TMwGroupButton", TMwRadioButton::StaticClass()).Build();
    return *info;
}

TMwGroupButton::TMwGroupButton(TMwCustomButtonGroup& group) : TMwRadioButton(&group), input_(group) {}

void TMwGroupButton::WndProc(cl::TMessage& m) {
    input_.Handle(*this, m, [this](cl::TMessage& message) { TMwRadioButton::WndProc(message); });
}

const cl::TClassInfo& TMwCustomRadioGroup::StaticClass() {
    using G = TMwCustomRadioGroup;
    static const auto info = cl::TClassBuilder<G>("TMwCustomRadioGroup", TMwCustomButtonGroup::StaticClass())
                                 .Int("ItemIndex", &G::ItemIndex, &G::SetItemIndex)
                                 .Event("OnChanging", &G::OnChanging)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwRadioGroup::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwRadioGroup>("TMwRadioGroup", TMwCustomRadioGroup::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomRadioGroup::TMwCustomRadioGroup(cl::TComponent* owner) : TMwCustomButtonGroup(owner) {}

TMwCustomGlyphButton* TMwCustomRadioGroup::CreateButton() {
    auto* button = new TMwGroupButton(*this);
    button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject* sender) { ItemClicked(sender); });
    return button;
}

void TMwCustomRadioGroup::SetItemIndex(int v) {
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

void TMwCustomRadioGroup::Loaded() {
    itemIndex_ = mw::ClampItemIndex(itemIndex_, Items()->Count());
    TMwCustomButtonGroup::Loaded();
}

void TMwCustomRadioGroup::ItemsChanged() {
    if (itemIndex_ >= Items()->Count()) itemIndex_ = Items()->Count() - 1;
    TMwCustomButtonGroup::ItemsChanged();
}

void TMwCustomRadioGroup::UpdateButtons() {
    settingIndex_ = true;
    SetButtonCount(Items()->Count());
    for (int i = 0; i < ItemCount(); ++i) {
        Item(i)->SetCaption((*Items())[i]);
        Item(i)->SetChecked(i == itemIndex_);
    }
    settingIndex_ = false;
    ArrangeButtons();
    Invalidate();
}

void TMwCustomRadioGroup::ItemClicked(cl::TObject* sender) {
    if (settingIndex_) return;
    int index = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i) == sender) index = i;
    if (index < 0 || index == itemIndex_) return;
    bool allow = true;
    OnChanging(this, index, allow);
    if (allow) {
        itemIndex_ = index;
        Changed();
        Click();
        return;
    }
    // Refused: the previous choice comes back (the item has already unchecked it), and with it
    // the focus.
    settingIndex_ = true;
    try {
        if (itemIndex_ >= 0) {
            TMwRadioButton* previous = Item(itemIndex_);
            previous->SetChecked(true);
            if (previous->Showing() && previous->Enabled()) previous->SetFocus();
        } else {
            Item(index)->SetChecked(false);
        }
    } catch (...) {
        settingIndex_ = false;
        throw;
    }
    settingIndex_ = false;
}
