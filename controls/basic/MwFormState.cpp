#include "controls/basic/MwFormState.h"

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/MwRegIniFile.h"

const cl::TClassInfo& TMwFormState::StaticClass() {
    using F = TMwFormState;
    static const auto info = cl::TClassBuilder<F>("TMwFormState", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Str("Section", &F::Section, &F::SetSection)
                                 .Ref<TMwRegIniFile>("RegIniFile", &F::RegIniFile, &F::SetRegIniFile)
                                 .Event("OnSaveState", &F::OnSaveState)
                                 .Event("OnRestoreState", &F::OnRestoreState)
                                 .Build();
    return *info;
}

void TMwFormState::SetRegIniFile(TMwRegIniFile* store) {
    if (store == regIniFile_) return;
    if (regIniFile_) RemoveFreeNotification(regIniFile_);
    regIniFile_ = store;
    if (store) FreeNotification(store);
}

void TMwFormState::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == regIniFile_) regIniFile_ = nullptr;
}
