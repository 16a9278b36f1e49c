#include "controls/shell/NewFolder.h"

#include <windows.h>

#include <functional>

#include "classlib/win/Dialogs.h"
#include "controls/shell/ShellText.h"

namespace mw {

namespace {

constexpr int kNamesPerSeries = 50;
const char kNewFolder[] = "New Folder";
const char kCannotCreate[] = "Unable to create the folder '%2'\n\n%1";

void ShowFailure(DWORD error, const std::string& name) {
    cl::MessageDlg(FormatStrPos(kCannotCreate, {SysErrorMessage(error), name}), cl::TMsgDlgType::Warning, cl::mbOK);
}

enum class TSeriesEnd { Created, Failed, OutOfNames };

// Tries the series' names in turn; a failure other than a taken name is shown and ends it.
TSeriesEnd TrySeries(const std::string& folder, const std::function<std::string(int)>& nameFor, std::string& name) {
    for (int n = 1; n <= kNamesPerSeries; ++n) {
        const std::string candidate = nameFor(n);
        if (CreateDirectoryA((folder + candidate).c_str(), nullptr)) {
            name = candidate;
            return TSeriesEnd::Created;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS) continue;
        ShowFailure(error, candidate);
        return TSeriesEnd::Failed;
    }
    return TSeriesEnd::OutOfNames;
}

std::string CurrentFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof path, path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

}  // namespace

bool CreateNewFolder(const std::string& parentPath, std::string& name) {
    const std::string folder = AppendDelimiter(parentPath.empty() ? CurrentFolder() : parentPath, '\\');
    const auto newFolderName = [](int n) { return n > 1 ? std::string(kNewFolder) + " (" + std::to_string(n) + ")" : kNewFolder; };
    // Short plain names, for file systems that refuse the first series' names.
    const auto fallbackName = [](int n) { return n > 1 ? "fldr" + std::to_string(n) : std::string("fldr"); };
    if (TrySeries(folder, newFolderName, name) == TSeriesEnd::Created) return true;
    const TSeriesEnd fallback = TrySeries(folder, fallbackName, name);
    if (fallback == TSeriesEnd::Created) return true;
    // A failure of the second series was shown already; only running out of names is not.
    if (fallback == TSeriesEnd::OutOfNames) ShowFailure(ERROR_ALREADY_EXISTS, kNewFolder);
    return false;
}

}  // namespace mw
