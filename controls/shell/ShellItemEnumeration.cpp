#include "controls/shell/ShellItemEnumeration.h"

#include "controls/shell/ShellErrors.h"
#include "dragdrop/ComPtr.h"

namespace mw {

bool EnumerateShellItems(IShellFolder* folder, HWND window, SHCONTF flags, std::vector<TPidlPtr>& items) {
    IEnumIDList* raw = nullptr;
    if (!folder || FAILED(folder->EnumObjects(window, flags, &raw)) || !raw) return false;
    dragdrop::TComPtr<IEnumIDList> enumerator = dragdrop::TComPtr<IEnumIDList>::Adopt(raw);
    HRESULT result;
    for (;;) {
        LPITEMIDLIST item = nullptr;
        ULONG fetched = 0;
        result = enumerator->Next(1, &item, &fetched);
        if (result != S_OK || fetched == 0) {
            ShellFree(item);
            break;
        }
        if (items.size() == items.capacity()) items.reserve(items.size() + 500);
        items.push_back(AdoptPidl(item));
    }
    // Some folders end their listing with "no more items" instead of S_FALSE.
    if (result == S_FALSE || result == HRESULT_FROM_WIN32(ERROR_NO_MORE_ITEMS) || result == S_OK) return true;
    if (result == E_FAIL) return false;
    OleCheck(result);
    return false;
}

}  // namespace mw
