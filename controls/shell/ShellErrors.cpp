#include "controls/shell/ShellErrors.h"

#include <cstdio>

#include "controls/shell/ShellText.h"

namespace mw {

HRESULT OleCheck(HRESULT result) {
    if (SUCCEEDED(result)) return result;
    std::string message = SysErrorMessage(static_cast<DWORD>(result));
    if (message.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "OLE error %08lX", static_cast<unsigned long>(result));
        message = code;
    }
    throw EMwOleError(result, message);
}

}  // namespace mw
