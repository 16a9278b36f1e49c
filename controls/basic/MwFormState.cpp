#include "controls/basic/MwFormState.h"

#include <windows.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/IniFile.h"
#include "classlib/win/Registry.h"
#include "controls/basic/MwRegIniFile.h"

namespace {

const char kNoStoreToRestore[] = "Cannot restore Form State--No TMwRegIniFile component specified";
const char kNoStoreToSave[] = "Cannot save Form State--No TMwRegIniFile component specified";

// Forms with a fixed border keep their designed size and only move.
bool IsSizeable(const cl::TCustomForm& form) {
    return form.BorderStyle() == cl::TFormBorderStyle::Sizeable ||
           form.BorderStyle() == cl::TFormBorderStyle::SizeToolWin;
}

}  // namespace

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

TMwFormState::~TMwFormState() { UnhookFormEvents(); }

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

void TMwFormState::Loaded() {
    cl::TComponent::Loaded();
    HookFormEvents();
}

cl::TCustomForm* TMwFormState::OwnerForm() const { return dynamic_cast<cl::TCustomForm*>(Owner()); }

std::string TMwFormState::SectionName() const {
    if (!section_.empty()) return section_;
    const cl::TCustomForm* form = OwnerForm();
    if (!form) return "FormState";
    return (form->Name().empty() ? form->ClassName() : form->Name()) + "FormState";
}

void TMwFormState::HookFormEvents() {
    cl::TCustomForm* form = OwnerForm();
    if (!form || hooked_) return;
    previousCreate_ = form->OnCreate;
    previousShow_ = form->OnShow;
    previousClose_ = form->OnClose;
    form->OnCreate = cl::TNotifyEvent(this, &TMwFormState::FormCreate);
    form->OnShow = cl::TNotifyEvent(this, &TMwFormState::FormShow);
    form->OnClose = cl::TCloseEvent(this, &TMwFormState::FormClose);
    hooked_ = true;
}

void TMwFormState::UnhookFormEvents() {
    cl::TCustomForm* form = OwnerForm();
    if (!form || !hooked_) return;
    form->OnCreate = previousCreate_;
    form->OnShow = previousShow_;
    form->OnClose = previousClose_;
    hooked_ = false;
}

void TMwFormState::FormCreate(cl::TObject* sender) {
    if (!regIniFile_) {
        cl::MessageDlg(kNoStoreToRestore, cl::TMsgDlgType::Error, cl::mbOK);
    } else if (cl::TCustomForm* form = OwnerForm();
               form && regIniFile_->ReadBool(SectionName(), "Saved", false)) {
        // A stored placement: keep the platform from re-centring or re-placing the window.
        form->SetPosition(cl::TPosition::Designed);
    }
    previousCreate_(sender);
}

void TMwFormState::FormShow(cl::TObject* sender) {
    RestoreState();
    previousShow_(sender);
}

void TMwFormState::FormClose(cl::TObject* sender, cl::TCloseAction& action) {
    SaveState();
    previousClose_(sender, action);
}

void TMwFormState::RestoreState() {
    if (!regIniFile_) {
        cl::MessageDlg(kNoStoreToRestore, cl::TMsgDlgType::Error, cl::mbOK);
        return;
    }
    cl::TCustomForm* form = OwnerForm();
    if (!form) return;
    const std::string section = SectionName();
    const int left = regIniFile_->ReadInteger(section, "Left", form->Left());
    const int top = regIniFile_->ReadInteger(section, "Top", form->Top());
    int width = form->Width();
    int height = form->Height();
    if (IsSizeable(*form)) {
        width = regIniFile_->ReadInteger(section, "Width", width);
        height = regIniFile_->ReadInteger(section, "Height", height);
    }
    form->SetBounds(left, top, width, height);
    if (regIniFile_->ReadBool(section, "Maximized", false)) form->SetWindowState(cl::TWindowState::Maximized);
    OnRestoreState(this);
}

void TMwFormState::SaveState() {
    if (!regIniFile_) {
        cl::MessageDlg(kNoStoreToSave, cl::TMsgDlgType::Error, cl::mbOK);
        return;
    }
    cl::TCustomForm* form = OwnerForm();
    if (!form) return;
    try {
        WritePlacement(*form);
    } catch (const cl::ERegistryException& e) {
        cl::MessageDlg(e.Message(), cl::TMsgDlgType::Error, cl::mbOK);
    } catch (const cl::EIniFileException& e) {
        cl::MessageDlg(e.Message(), cl::TMsgDlgType::Error, cl::mbOK);
    }
    OnSaveState(this);
}

void TMwFormState::WritePlacement(cl::TCustomForm& form) {
    // The normal rectangle is the one a maximised window returns to.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(form.Handle(), &placement);
    const RECT& normal = placement.rcNormalPosition;
    const std::string section = SectionName();
    regIniFile_->WriteBool(section, "Maximized", IsZoomed(form.Handle()) != FALSE);
    regIniFile_->WriteInteger(section, "Left", normal.left);
    regIniFile_->WriteInteger(section, "Top", normal.top);
    if (IsSizeable(form)) {
        regIniFile_->WriteInteger(section, "Width", normal.right - normal.left);
        regIniFile_->WriteInteger(section, "Height", normal.bottom - normal.top);
    }
    regIniFile_->WriteBool(section, "Saved", true);
}
