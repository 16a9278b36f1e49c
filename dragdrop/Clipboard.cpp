#include "dragdrop/Clipboard.h"

#include "classlib/win/Application.h"
#include "dragdrop/GlobalMemory.h"

namespace dragdrop {

TOpenClipboard::TOpenClipboard() {
    cl::TApplication* app = cl::Application();
    open_ = OpenClipboard(app ? app->Handle() : nullptr) != FALSE;
}

TOpenClipboard::~TOpenClipboard() {
    if (open_) CloseClipboard();
}

bool TOpenClipboard::Put(UINT format, HGLOBAL memory) {
    if (open_ && !emptied_) emptied_ = EmptyClipboard() != FALSE;
    if (emptied_ && SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

std::optional<TBytes> TOpenClipboard::Get(UINT format) const {
    if (!open_) return std::nullopt;
    HANDLE memory = GetClipboardData(format);
    if (!memory) return std::nullopt;
    return BytesOfGlobal(memory);
}

}  // namespace dragdrop
