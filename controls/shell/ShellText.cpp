#include "controls/shell/ShellText.h"

#include "classlib/core/Exception.h"
#include "controls/shell/DelimiterText.h"

namespace mw {

namespace {

constexpr size_t kMaxSubstitutions = 50;
// The formatter knows inserts %1 to %99, and an insert whose width is "*" reads one more
// argument; the array is padded to that many, so no insert reads past it.
constexpr size_t kArgumentSlots = 100;

struct TLocalBuffer {
    char* text = nullptr;
    ~TLocalBuffer() {
        if (text) LocalFree(text);
    }
};

}  // namespace

std::string FormatStrPos(const std::string& format, const std::vector<std::string>& strings) {
    if (format.empty()) return {};
    if (strings.size() > kMaxSubstitutions) throw cl::Exception("FormatStrPos: Too many substitution strings");
    static const char empty[] = "";
    DWORD_PTR arguments[kArgumentSlots];
    for (size_t i = 0; i < kArgumentSlots; ++i)
        arguments[i] = reinterpret_cast<DWORD_PTR>(i < strings.size() ? strings[i].c_str() : empty);
    TLocalBuffer buffer;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format.c_str(), 0, 0,
        reinterpret_cast<LPSTR>(&buffer.text), 256, reinterpret_cast<va_list*>(arguments));
    if (length == 0 || !buffer.text) return {};
    return std::string(buffer.text, length);
}

std::string SysErrorMessage(DWORD error) {
    TLocalBuffer buffer;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<LPSTR>(&buffer.text), 0, nullptr);
    if (length == 0 || !buffer.text) return {};
    std::string text(buffer.text, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string AppendDelimiter(const std::string& text, char delimiter) {
    return AppendDelimiter(text, delimiter, [](uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; });
}

}  // namespace mw
