#include "dragdrop/ShellIdList.h"

#include <shlobj.h>

#include <memory>

#include "classlib/core/TextUtils.h"
#include "dragdrop/AnsiText.h"
#include "dragdrop/ComPtr.h"

namespace dragdrop {

namespace {

struct TItemIdListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using TItemIdList = std::unique_ptr<ITEMIDLIST, TItemIdListFree>;

TItemIdList Parse(IShellFolder* folder, const std::string& name, ULONG* attributes) {
    std::u16string wide = AnsiToWide(name);
    wide.push_back(u'\0');
    ITEMIDLIST* list = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, reinterpret_cast<LPWSTR>(&wide[0]), nullptr, &list, attributes)))
        return nullptr;
    return TItemIdList(list);
}

TBytes BytesOf(const ITEMIDLIST* list) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(list);
    return TBytes(bytes, bytes + ItemIdListSize(bytes, SIZE_MAX));
}

}  // namespace

HRESULT BuildShellIdListArray(const std::vector<std::string>& paths, TBytes& block) {
    TComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Receive()))) return E_OUTOFMEMORY;

    ULONG attributes = SFGAO_FOLDER;
    const TItemIdList folderList = Parse(desktop.Get(), cl::ExtractFilePath(paths.at(0)), &attributes);
    if (!folderList || !(attributes & SFGAO_FOLDER)) return E_OUTOFMEMORY;
    TComPtr<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(folderList.get(), nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder.Receive()))))
        return E_OUTOFMEMORY;

    std::vector<TBytes> names;
    for (const std::string& path : paths) {
        const TItemIdList name = Parse(folder.Get(), cl::ExtractFileName(path), nullptr);
        if (!name) return E_FAIL;
        names.push_back(BytesOf(name.get()));
    }
    block = BuildIdListArray(BytesOf(folderList.get()), names);
    return S_OK;
}

}  // namespace dragdrop
