// The main window's settings ("quillon.ini" beside the program), the options dialog, the
// ".rfa" association, "Open RFA" and the about box.

#include "app/frmMainQuillon.h"

#include <memory>

#include "app/frmAbout.h"
#include "app/frmOptions.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/IniFile.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Registry.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwRadioButton.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/navigation/MwTreeView.h"
#include "utils/UtFilePresence.h"

namespace {

const char kDefaultFolder[] = "C:\\";
const char kAssociatedExtension[] = ".rfa";
const char kAssociationClass[] = "rfa_auto_file";
const char kOpenCommandKey[] = "rfa_auto_file\\shell\\open\\command";

// Options are stored as -1 (true) and 0; any non-zero value reads as true.
bool ReadFlag(const cl::TIniFile& settings, const char* section, const char* key, bool defaultValue) {
    return settings.ReadInteger(section, key, defaultValue ? -1 : 0) != 0;
}

void WriteFlag(cl::TIniFile& settings, const char* section, const char* key, bool value) {
    settings.WriteInteger(section, key, value ? -1 : 0);
}

// The command that opens an archive with this program: its quoted path and the quoted file.
std::string OpenCommand() { return "\"" + cl::Application()->ExeName() + "\" \"%1\""; }

template <class T>
struct TFormFree {
    void operator()(T* form) const { cl::Free(form); }
};
template <class T>
using TFormPtr = std::unique_ptr<T, TFormFree<T>>;

}  // namespace

std::string TfrmMainQuillon::SettingsFile() { return ProgramFolder() + "quillon.ini"; }

void TfrmMainQuillon::LoadSettings() {
    if (!ut::FileIsPresent(SettingsFile())) {
        // The tray icon stays as the form resource has it: disabled.
        optAssociate = false;
        optPreview = true;
        optMinSysTray = false;
        optOPEN = false;
        optPlayWav = true;
        optSave = true;
        OpenFolder = kDefaultFolder;
        SaveFolder = kDefaultFolder;
        return;
    }
    cl::TIniFile settings(SettingsFile());
    ReadOptions(settings);
    OpenFolder = settings.ReadString("FILES", "OpenFolder", kDefaultFolder);
    SaveFolder = settings.ReadString("FILES", "SaveFolder", kDefaultFolder);
    ApplyAssociationOption(settings);
}

void TfrmMainQuillon::ReadOptions(const cl::TIniFile& settings) {
    optAssociate = ReadFlag(settings, "BASIC", "optAssociate", false);
    optMinSysTray = ReadFlag(settings, "BASIC", "optMinSysTray", false);
    // A tray icon that cannot follow the option leaves the program usable as it is.
    try {
        MwTrayIcon1->SetHideOnMinimize(optMinSysTray);
        MwTrayIcon1->SetEnabled(optMinSysTray);
    } catch (const std::exception&) {
    }
    optPreview = ReadFlag(settings, "BASIC", "optPreview", true);
    optOPEN = ReadFlag(settings, "OPEN", "optOPEN", false);
    optPlayWav = ReadFlag(settings, "OPEN", "optPlayWav", true);
    optSave = ReadFlag(settings, "OPEN", "optSave", true);
}

void TfrmMainQuillon::SaveFolderSetting(TFolderKind kind, const std::string& folder) {
    cl::TIniFile settings(SettingsFile());
    const bool open = kind == TFolderKind::Open;
    settings.WriteString("FILES", open ? "OpenFolder" : "SaveFolder", folder);
    (open ? OpenFolder : SaveFolder) = folder;
}

std::vector<TfrmMainQuillon::TClassesPlace>& TfrmMainQuillon::AssociationPlaces() {
    static std::vector<TClassesPlace> places = {{HKEY_CLASSES_ROOT, ""}, {HKEY_CURRENT_USER, "Software\\Classes\\"}};
    return places;
}

namespace {

bool WriteAssociation(const TfrmMainQuillon::TClassesPlace& place) {
    try {
        cl::TRegistry registry;
        registry.SetAccess(KEY_READ | KEY_WRITE);
        registry.SetRootKey(place.Root);
        if (!registry.OpenKey(place.Prefix + kAssociatedExtension, true)) return false;
        registry.WriteString("", kAssociationClass);
        registry.CloseKey();
        if (!registry.OpenKey(place.Prefix + kOpenCommandKey, true)) return false;
        registry.WriteString("", OpenCommand());
        return true;
    } catch (const cl::Exception&) {
        return false;
    }
}

// Only an association that opens archives with this program is taken back: ".rfa" may belong
// to another program, and "rfa_auto_file" may be the user's own "Open with" choice, made
// through Explorer.
void RemoveAssociation(const TfrmMainQuillon::TClassesPlace& place) {
    try {
        cl::TRegistry registry;
        registry.SetAccess(KEY_READ | KEY_WRITE);
        registry.SetRootKey(place.Root);
        if (!registry.OpenKey(place.Prefix + kOpenCommandKey, false)) return;
        const bool ours = cl::SameText(registry.ReadString(""), OpenCommand());
        registry.CloseKey();
        if (!ours) return;
        if (registry.OpenKey(place.Prefix + kAssociatedExtension, false)) {
            const bool pointsToUs = cl::SameText(registry.ReadString(""), kAssociationClass);
            registry.CloseKey();
            if (pointsToUs) registry.DeleteKey(place.Prefix + kAssociatedExtension);
        }
        registry.DeleteKey(place.Prefix + kAssociationClass);
    } catch (const cl::Exception&) {
    }
}

}  // namespace

bool TfrmMainQuillon::ApplyAssociation(bool on) {
    if (!on) {
        for (const TClassesPlace& place : AssociationPlaces()) RemoveAssociation(place);
        return true;
    }
    // Without administrator rights the machine's classes refuse the change; the user's own
    // classes then take it, for this user.
    for (const TClassesPlace& place : AssociationPlaces())
        if (WriteAssociation(place)) return true;
    return false;
}

void TfrmMainQuillon::ApplyAssociationOption(cl::TIniFile& settings) {
    if (ApplyAssociation(optAssociate) || !optAssociate) return;
    optAssociate = false;
    WriteFlag(settings, "BASIC", "optAssociate", false);
    cl::MessageDlg("Quillon could not be made the program that opens RFA files: the registry refused the change.",
                   cl::TMsgDlgType::Warning, cl::mbOK);
}

void TfrmMainQuillon::actOptionsExecute(cl::TObject*) {
    cl::TIniFile settings(SettingsFile());
    TFormPtr<TfrmOptions> dialog(cl::CreateForm<TfrmOptions>(this));
    dialog->cgBasic->SetItemChecked(0, optAssociate);
    dialog->cgBasic->SetItemChecked(1, optPreview);
    dialog->cgBasic->SetItemChecked(2, optMinSysTray);
    dialog->rbOpen->SetChecked(optOPEN);
    dialog->rbSave->SetChecked(optSave);
    dialog->cbPlayWav->SetChecked(optPlayWav);

    // However the dialog is closed, its state is kept.
    dialog->ShowModal();
    WriteFlag(settings, "BASIC", "optAssociate", dialog->cgBasic->ItemChecked(0));
    WriteFlag(settings, "BASIC", "optPreview", dialog->cgBasic->ItemChecked(1));
    WriteFlag(settings, "BASIC", "optMinSysTray", dialog->cgBasic->ItemChecked(2));
    WriteFlag(settings, "OPEN", "optOPEN", dialog->rbOpen->Checked());
    WriteFlag(settings, "OPEN", "optSave", dialog->rbSave->Checked());
    WriteFlag(settings, "OPEN", "optPlayWav", dialog->cbPlayWav->Checked());

    ReadOptions(settings);
    ApplyAssociationOption(settings);
}

void TfrmMainQuillon::actOpenRFAExecute(cl::TObject*) {
    if (!MayLeaveEdit() || !MayDiscardBuildList()) return;
    OpenDialog1->SetInitialDir(OpenFolder);
    const std::string shown = OpenDialog1->FileName();
    if (!OpenDialog1->Execute()) return;

    // The dialog's file name is the archive the entries are read from: it names the one shown
    // until the chosen one has opened.
    const std::string archive = OpenDialog1->FileName();
    OpenDialog1->SetFileName(shown);
    OpenArchiveFile(archive);
    SaveFolderSetting(TFolderKind::Open, cl::ExtractFilePath(archive));
    actSearch->SetVisible(true);
}

void TfrmMainQuillon::actHelpExecute(cl::TObject*) {
    TFormPtr<TfrmAbout> about(cl::CreateForm<TfrmAbout>(this));
    about->ShowModal();
}
