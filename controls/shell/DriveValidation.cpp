#include "controls/shell/DriveValidation.h"

#include <windows.h>
#include <shlobj.h>

#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellFolders.h"

namespace mw {

namespace {
int validateSuspendCount = 0;  // UI thread only
}

void ValidateDrives() {
    if (validateSuspendCount > 0) return;
    TPidlPtr drives;
    OleCheck(SpecialFolderLocation(nullptr, CSIDL_DRIVES, drives));
    TShellFolderPtr folder;
    OleCheck(BindToFolder(drives.get(), folder));
    ULONG attributes = SFGAO_VALIDATE;
    folder->GetAttributesOf(0, nullptr, &attributes);
}

void SuspendValidate() { ++validateSuspendCount; }

void ResumeValidate() {
    if (validateSuspendCount > 0) --validateSuspendCount;
}

}  // namespace mw
