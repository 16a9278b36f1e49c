#include "controls/shell/ShellDropEffects.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "controls/shell/ShellControlsSetup.h"
#include "controls/shell/ShellFolders.h"
#include "dragdrop/GlobalMemory.h"

namespace mw {

namespace {

constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

uint32_t ReadUInt32(const dragdrop::TBytes& block, size_t at) {
    uint32_t value;
    std::memcpy(&value, block.data() + at, sizeof value);
    return value;
}

// The item list at the offset, when a whole one lies inside the block.
LPCITEMIDLIST ItemListAt(const dragdrop::TBytes& block, uint32_t offset) {
    if (offset >= block.size() || dragdrop::ItemIdListSize(block.data() + offset, block.size() - offset) == 0) return nullptr;
    return reinterpret_cast<LPCITEMIDLIST>(block.data() + offset);
}

}  // namespace

DWORD DropEffectOfItems(IDataObject* data) {
    if (!data) return kAllEffects;
    const auto block = dragdrop::GetGlobalData(data, ShellIdListClipboardFormat());
    if (!block || block->size() < 4) return kAllEffects;
    const uint32_t count = ReadUInt32(*block, 0);
    if (count == 0 || (uint64_t(count) + 2) * 4 > block->size()) return kAllEffects;

    const LPCITEMIDLIST parent = ItemListAt(*block, ReadUInt32(*block, 4));
    std::vector<LPCITEMIDLIST> items;
    for (uint32_t index = 0; index < count; ++index) {
        const LPCITEMIDLIST item = ItemListAt(*block, ReadUInt32(*block, 8 + index * 4));
        if (!item) return kAllEffects;
        items.push_back(item);
    }
    TShellFolderPtr folder;
    if (!parent || FAILED(BindToFolder(parent, folder)) || !folder) return kAllEffects;
    SFGAOF attributes = kAllEffects;  // SFGAO_CANCOPY, SFGAO_CANMOVE, SFGAO_CANLINK
    if (FAILED(folder->GetAttributesOf(count, items.data(), &attributes))) return kAllEffects;
    return kAllEffects & attributes;
}

}  // namespace mw
