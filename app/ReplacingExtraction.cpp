#include "app/ReplacingExtraction.h"

#include <windows.h>

#include "app/archive/EntryExtraction.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "controls/shell/ShellText.h"

namespace quillon {

namespace {

[[noreturn]] void RaiseCreateError(const std::string& target, DWORD error) {
    throw cl::EFCreateError("Cannot create file \"" + target + "\". " + mw::SysErrorMessage(error));
}

}  // namespace

uint32_t ExtractEntryReplacing(const std::string& archivePath, const TRFAFile& entry, const std::string& targetPath,
                               const std::function<void(uint64_t)>& progress) {
    std::string folder = cl::ExtractFilePath(targetPath);
    if (folder.empty()) folder = ".";
    // A new file of a name of its own in the target's folder: on the same volume, so that
    // taking the target's place is one rename.
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "~qx", 0, temporary)) RaiseCreateError(targetPath, GetLastError());
    uint32_t segmentCount;
    try {
        segmentCount = ExtractEntry(archivePath, entry, temporary, progress);
    } catch (...) {
        DeleteFileA(temporary);  // ExtractEntry deletes it too, unless it could not open it
        throw;
    }
    if (!MoveFileExA(temporary, targetPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary);
        RaiseCreateError(targetPath, error);
    }
    return segmentCount;
}

}  // namespace quillon
