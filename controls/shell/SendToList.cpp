#include "controls/shell/SendToList.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "classlib/win/Handles.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/SystemImageLists.h"
#include "controls/shell/ShellText.h"
#include "dragdrop/ComPtr.h"

namespace mw {

namespace {

constexpr int kSendToFolderId = 9;

std::unique_ptr<std::vector<TSendToEntry>>& ListSlot() {
    static std::unique_ptr<std::vector<TSendToEntry>> list;
    return list;
}

// Restores the cursor it replaced.
class THourglass {
public:
    THourglass() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~THourglass() { SetCursor(previous_); }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace

const std::vector<TSendToEntry>& SendToList() {
    auto& list = ListSlot();
    if (!list) list = std::make_unique<std::vector<TSendToEntry>>();
    return *list;
}

std::vector<TSendToEntry> ReadSendToFolder(const std::string& folder) {
    std::vector<TSendToEntry> entries;
    if (folder.empty()) return entries;
    const std::string base = AppendDelimiter(folder, '\\');
    WIN32_FIND_DATAA found;
    cl::TFindHandle search(FindFirstFileA((base + "*").c_str(), &found));
    if (!search) return entries;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)) continue;
        TSendToEntry entry;
        entry.name = found.cFileName;
        TPidlPtr pidl;
        if (SUCCEEDED(PathToPidl(base + entry.name, pidl)) && pidl) entry.iconIndex = GetShellIconIndex(pidl.get(), SHGFI_SMALLICON);
        entries.push_back(std::move(entry));
    } while (FindNextFileA(search.Get(), &found));
    std::sort(entries.begin(), entries.end(), [](const TSendToEntry& a, const TSendToEntry& b) {
        return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0;
    });
    return entries;
}

const std::vector<TSendToEntry>& FillSendToList() {
    SendToList();
    *ListSlot() = ReadSendToFolder(SpecialFolderPath(nullptr, kSendToFolderId));
    return *ListSlot();
}

void FreeSendToList() { ListSlot().reset(); }

void SendTo(const std::string& entryName, IDataObject* data) {
    TPidlPtr folderPidl;
    OleCheck(SpecialFolderLocation(nullptr, kSendToFolderId, folderPidl));
    TShellFolderPtr folder;
    OleCheck(BindToFolder(folderPidl.get(), folder));

    std::wstring wide(entryName.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, entryName.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    if (length <= 0) OleCheck(E_INVALIDARG);
    ITEMIDLIST* parsed = nullptr;
    OleCheck(folder->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &parsed, nullptr));
    const TPidlPtr entry = AdoptPidl(parsed);

    dragdrop::TComPtr<IDropTarget> target;
    LPCITEMIDLIST items[] = {entry.get()};
    OleCheck(folder->GetUIObjectOf(nullptr, 1, items, kIidDropTarget, nullptr, reinterpret_cast<void**>(target.Receive())));
    if (!target) OleCheck(E_NOINTERFACE);

    const POINTL origin = {0, 0};
    DWORD effect = DROPEFFECT_COPY;
    OleCheck(target->DragEnter(data, MK_LBUTTON, origin, &effect));
    effect = DROPEFFECT_COPY;
    OleCheck(target->DragOver(MK_LBUTTON, origin, &effect));
    THourglass hourglass;
    effect = DROPEFFECT_COPY;
    OleCheck(target->Drop(data, MK_LBUTTON, origin, &effect));
}

}  // namespace mw
