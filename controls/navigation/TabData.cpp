#include "controls/navigation/TabData.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwTabData::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwTabData>("TMwTabData", cl::TPersistent::StaticClass()).Build();
    return *info;
}

void TMwTabData::Assign(const TMwTabData& source) {
    caption = source.caption;
    disabledImageIndex = source.disabledImageIndex;
    imageIndex = source.imageIndex;
    color = source.color;
    enabled = source.enabled;
    visible = source.visible;
    hint = source.hint;
}

const cl::TClassInfo& TMwTabDataList::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwTabDataList>("TMwTabDataList", cl::TPersistent::StaticClass()).Build();
    return *info;
}

TMwTabData& TMwTabDataList::Add(std::unique_ptr<TMwTabData> tab) {
    items_.push_back(std::move(tab));
    return *items_.back();
}

void TMwTabDataList::Replace(int index, std::unique_ptr<TMwTabData> tab) { items_.at(static_cast<size_t>(index)) = std::move(tab); }

void TMwTabDataList::Assign(const TMwTabDataList& source) {
    if (&source == this) return;
    items_.clear();
    for (const auto& tab : source.items_) Add().Assign(*tab);
}
