#include "controls/basic/MwCheckGroup.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

const cl::TClassInfo& TMwGroupCheck::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwGroupCheck>("TMwGroupCheck", TMwCheckBox::StaticClass()).Build();
    return *info;
}

TMwGroupCheck::TMwGroupCheck(TMwCustomButtonGroup& group) : TMwCheckBox(&group), input_(group) {}

void TMwGroupCheck::WndProc(cl::TMessage& m) {
    input_.Handle(*this, m, [this](cl::TMessage& message) { TMwCheckBox::WndProc(message); });
}

const cl::TClassInfo& TMwCustomCheckGroup::StaticClass() {
    using G = TMwCustomCheckGroup;
    static const auto info = cl::TClassBuilder<G>("TMwCustomCheckGroup", TMwCustomButtonGroup::StaticClass())
                                 .Bool("AllowGrayed", &G::AllowGrayed, &G::SetAllowGrayed)
                                 .Event("OnChange", &G::OnChange)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwCheckGroup::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwCheckGroup>("TMwCheckGroup", TMwCustomCheckGroup::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomCheckGroup::TMwCustomCheckGroup(cl::TComponent* owner) : TMwCustomButtonGroup(owner) {}

TMwCustomGlyphButton* TMwCustomCheckGroup::CreateButton() {
    auto* check = new TMwGroupCheck(*this);
    check->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject* sender) { ItemClicked(sender); });
    return check;
}

void TMwCustomCheckGroup::ApplyItemLook(TMwCustomGlyphButton& button) {
    TMwCustomButtonGroup::ApplyItemLook(button);
    static_cast<TMwCheckBox&>(button).SetAllowGrayed(allowGrayed_);
}

void TMwCustomCheckGroup::ItemClicked(cl::TObject* sender) {
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i) == sender) OnChange(this, i, Item(i)->State());
}

bool TMwCustomCheckGroup::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "CheckStates")) return TMwCustomButtonGroup::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::StringList) throw cl::EConvertError("CheckStates: a list of integers expected");
    streamedStates_.clear();
    for (const std::string& text : value.items) streamedStates_.push_back(cl::StrToInt(text));
    return true;
}

void TMwCustomCheckGroup::Loaded() {
    TMwCustomButtonGroup::Loaded();
    for (size_t i = 0; i < streamedStates_.size() && static_cast<int>(i) < ItemCount(); ++i)
        Item(static_cast<int>(i))->SetState(static_cast<TCheckBoxState>(std::clamp(streamedStates_[i], 0, 2)));
    streamedStates_.clear();
}
