#include "controls/shell/ShellStrRet.h"

#include <cstring>

#include "controls/shell/ShellPidl.h"
#include "dragdrop/AnsiText.h"

namespace mw {

std::string StrRetToString(STRRET& name, LPCITEMIDLIST item) {
    switch (name.uType) {
        case STRRET_WSTR: {
            wchar_t* wide = name.pOleStr;
            name.pOleStr = nullptr;
            if (!wide) return {};
            const std::u16string text(reinterpret_cast<const char16_t*>(wide), wcslen(wide));
            CoTaskMemFree(wide);
            return dragdrop::WideToAnsi(text);
        }
        case STRRET_OFFSET: {
            const size_t size = GetPidlSize(item);
            if (name.uOffset >= size) return {};
            const char* text = reinterpret_cast<const char*>(item) + name.uOffset;
            return std::string(text, strnlen(text, size - name.uOffset));
        }
        case STRRET_CSTR: return std::string(name.cStr, strnlen(name.cStr, sizeof name.cStr));
        default: return {};
    }
}

}  // namespace mw
