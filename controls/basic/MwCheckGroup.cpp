#include "controls/basic/MwCheckGroup.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

const cl::TClassInfo& TMwCheckGroup::StaticClass() {
    using G = TMwCheckGroup;
    static const auto info = cl::TClassBuilder<G>("TMwCheckGroup", TMwCustomGroupBox::StaticClass())
                                 .Creatable()
                                 .Strings("Items", &G::Items)
                                 .Int("Columns", &G::Columns, &G::SetColumns)
                                 .Int("StartXPos", &G::StartXPos, &G::SetStartXPos)
                                 .Int("StartYPos", &G::StartYPos, &G::SetStartYPos)
                                 .Int("VerticalSpacing", &G::VerticalSpacing, &G::SetVerticalSpacing)
                                 .Int("ItemHeight", &G::ItemHeight, &G::SetItemHeight)
                                 .Build();
    return *info;
}

TMwCheckGroup::TMwCheckGroup(cl::TComponent* owner) : TMwCustomGroupBox(owner) {
    items_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (!IsLoading()) UpdateButtons();
    });
}

void TMwCheckGroup::SetColumns(int v) {
    columns_ = std::clamp(v, 1, 16);
    ArrangeButtons();
}

void TMwCheckGroup::SetStartXPos(int v) {
    startX_ = v;
    ArrangeButtons();
}

void TMwCheckGroup::SetStartYPos(int v) {
    startY_ = v;
    ArrangeButtons();
}

void TMwCheckGroup::SetVerticalSpacing(int v) {
    verticalSpacing_ = v;
    ArrangeButtons();
}

void TMwCheckGroup::SetItemHeight(int v) {
    itemHeight_ = v;
    ArrangeButtons();
}

bool TMwCheckGroup::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "CheckStates")) return TMwCustomGroupBox::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::StringList) throw cl::EConvertError("CheckStates: a list of integers expected");
    streamedStates_.clear();
    for (const std::string& text : value.items) streamedStates_.push_back(cl::StrToInt(text));
    return true;
}

void TMwCheckGroup::Loaded() {
    TMwCustomGroupBox::Loaded();
    UpdateButtons();
    for (size_t i = 0; i < streamedStates_.size() && i < checks_.size(); ++i)
        checks_[i]->SetState(static_cast<TCheckBoxState>(std::clamp(streamedStates_[i], 0, 2)));
    streamedStates_.clear();
}

void TMwCheckGroup::Resize() {
    TMwCustomGroupBox::Resize();
    ArrangeButtons();
}

void TMwCheckGroup::UpdateButtons() {
    while (ItemCount() > items_.Count()) {
        cl::Free(checks_.back());
        checks_.pop_back();
    }
    while (ItemCount() < items_.Count()) {
        auto* check = new TMwCheckBox(this);
        check->SetParent(this);
        checks_.push_back(check);
    }
    for (int i = 0; i < ItemCount(); ++i) checks_[static_cast<size_t>(i)]->SetCaption(items_[i]);
    ArrangeButtons();
    Invalidate();
}

void TMwCheckGroup::ArrangeButtons() {
    if (checks_.empty() || IsLoading()) return;
    // Items fill the columns top to bottom below the caption, the columns sharing the width.
    const cl::TRect area = AlignArea();
    const int rows = (ItemCount() + columns_ - 1) / columns_;
    const int columnWidth = std::max(1, (area.Width() - startX_) / columns_);
    for (int i = 0; i < ItemCount(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        checks_[static_cast<size_t>(i)]->SetBounds(area.left + startX_ + column * columnWidth,
                                                   area.top + startY_ + row * (itemHeight_ + verticalSpacing_),
                                                   columnWidth - 4, itemHeight_);
    }
}
