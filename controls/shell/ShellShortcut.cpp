#include "controls/shell/ShellShortcut.h"

#include "controls/shell/MwShellIntf.h"
#include "dragdrop/AnsiText.h"
#include "dragdrop/ComPtr.h"

namespace mw {

namespace {

constexpr int kTextSize = 261;

struct TResolveRow {
    HWND window;
    DWORD flags;
};
const TResolveRow kResolveRows[] = {
    {nullptr, 0},
    {reinterpret_cast<HWND>(static_cast<INT_PTR>(-1)), 0x00010000},
};

// Runs one read into a fresh buffer; the text is set only when the read succeeds.
template <class Read>
HRESULT ReadText(std::string& out, Read read) {
    char buffer[kTextSize] = {};
    const HRESULT result = read(buffer);
    if (SUCCEEDED(result)) {
        buffer[kTextSize - 1] = '\0';
        out = buffer;
    }
    return result;
}

}  // namespace

HRESULT ReadShortcut(const std::string& fileName, TMwShortcutInfo& info, bool wantPidl) {
    dragdrop::TComPtr<IShellLinkA> link;
    HRESULT result = CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkA,
                                      reinterpret_cast<void**>(link.Receive()));
    if (FAILED(result)) return result;
    dragdrop::TComPtr<IPersistFile> file;
    if (FAILED(result = link->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(file.Receive())))) return result;

    std::u16string wide = dragdrop::AnsiToWide(fileName);
    wide.push_back(u'\0');
    if (FAILED(result = file->Load(reinterpret_cast<LPCOLESTR>(wide.c_str()), 0))) return result;
    const TResolveRow& row = kResolveRows[info.resolveOption == TMwResolveOption::Silent ? 1 : 0];
    if (FAILED(result = link->Resolve(row.window, row.flags))) return result;

    if (FAILED(result = ReadText(info.targetPath, [&](char* b) { return link->GetPath(b, kTextSize, &info.findData, 0); })))
        return result;
    if (FAILED(result = ReadText(info.arguments, [&](char* b) { return link->GetArguments(b, kTextSize); })))
        return result;
    if (FAILED(result = ReadText(info.description, [&](char* b) { return link->GetDescription(b, kTextSize); })))
        return result;
    int iconIndex = 0;
    if (FAILED(result = ReadText(info.iconLocation, [&](char* b) { return link->GetIconLocation(b, kTextSize, &iconIndex); })))
        return result;
    info.iconIndex = iconIndex;
    if (FAILED(result = ReadText(info.workingFolder, [&](char* b) { return link->GetWorkingDirectory(b, kTextSize); })))
        return result;
    int showCommand = 0;
    if (FAILED(result = link->GetShowCmd(&showCommand))) return result;
    info.showCommand = showCommand;
    WORD hotKey = 0;
    if (FAILED(result = link->GetHotkey(&hotKey))) return result;
    info.hotKey = hotKey;
    info.validFields = kShortcutAllFields;

    info.targetPidl.reset();
    if (!wantPidl) return result;
    ITEMIDLIST* target = nullptr;
    result = link->GetIDList(&target);
    info.targetPidl = AdoptPidl(target);
    return result;
}

}  // namespace mw
