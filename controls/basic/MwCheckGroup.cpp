#include "controls/basic/MwCheckGroup.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "controls/basic/GroupItemsLayout.h"
#include "controls/foundation/FontUtils.h"

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
                                 .Bool("SpaceEvenly", &G::SpaceEvenly, &G::SetSpaceEvenly)
                                 .Build();
    return *info;
}

TMwCheckGroup::TMwCheckGroup(cl::TComponent* owner) : TMwCustomGroupBox(owner) {
    items_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (!IsLoading()) UpdateButtons();
    });
}

void TMwCheckGroup::SetColumns(int v) {
    columns_ = mw::ClampGroupColumns(v);
    ArrangeButtons();
    Invalidate();
}

void TMwCheckGroup::SetSpaceEvenly(bool v) {
    spaceEvenly_ = v;
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
        for (TMwCheckBox* check : checks_) {
            SIZE size{};
            GetTextExtentPoint32A(screen, check->Caption().data(), static_cast<int>(check->Caption().size()), &size);
            in.captionWidths.push_back(size.cx);
        }
    }
    ReleaseDC(nullptr, screen);
    const std::vector<cl::TRect> bounds = mw::ArrangeGroupItems(in);
    for (size_t i = 0; i < checks_.size(); ++i)
        checks_[i]->SetBounds(bounds[i].left, bounds[i].top, bounds[i].Width(), bounds[i].Height());
}
