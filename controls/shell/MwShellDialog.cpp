#include "controls/shell/MwShellDialog.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Restore.h"

namespace {

const cl::TEnumNames kWindowStateNames{{{"wsNormal", 0}, {"wsMinimized", 1}, {"wsMaximized", 2}}};

}  // namespace

const cl::TClassInfo& TMwShellDialog::StaticClass() {
    using D = TMwShellDialog;
    static const auto info = cl::TClassBuilder<D>("TMwShellDialog", cl::TComponent::StaticClass())
                                 .Enum<TMwAboutInfo>("About", &D::About, &D::SetAbout, mw::kAboutInfoNames)
                                 .Str("Title", &D::Title, &D::SetTitle)
                                 .Int("FormWidth", &D::FormWidth, &D::SetFormWidth)
                                 .Int("FormHeight", &D::FormHeight, &D::SetFormHeight)
                                 .Enum<cl::TWindowState>("FormWindowState", &D::FormWindowState, &D::SetFormWindowState, kWindowStateNames)
                                 .Event("OnInitialized", &D::OnInitialized)
                                 .Event("OnFormShow", &D::OnFormShow)
                                 .Event("OnFormClose", &D::OnFormClose)
                                 .Build();
    return *info;
}

bool TMwShellDialog::Execute() {
    if (executing_) throw cl::Exception(std::string(ClassName()) + " already executing");
    const cl::TRestore<bool> clear(executing_);
    executing_ = true;
    return RunDialogForm();
}
