#include "controls/navigation/MwTabColors.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwTabColors::StaticClass() {
    using C = TMwTabColors;
    static const auto info = cl::TClassBuilder<C>("TMwTabColors", cl::TPersistent::StaticClass())
                                 .Color("HighlightBar", &C::HighlightBar, &C::SetHighlightBar)
                                 .Color("Shadow", &C::Shadow, &C::SetShadow)
                                 .Color("Unselected", &C::Unselected, &C::SetUnselected)
                                 .Build();
    return *info;
}

void TMwTabColors::Assign(const TMwTabColors& source) {
    SetHighlightBar(source.highlightBar_);
    SetShadow(source.shadow_);
    SetUnselected(source.unselected_);
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

void TMwTextColors::Assign(const TMwTextColors& source) {
    SetDisabledHighlight(source.disabledHighlight_);
    SetDisabledShadow(source.disabledShadow_);
    SetSelected(source.selected_);
    SetUnselected(source.unselected_);
}
