#include "app/FileSystemNames.h"

#include <windows.h>

// The system's own upper-casing of one UTF-16 unit, the table the file system compares names
// with; the SDK headers do not declare it.
extern "C" __declspec(dllimport) WCHAR NTAPI RtlUpcaseUnicodeChar(WCHAR c);

namespace quillon {

namespace {

std::optional<std::u16string> ConvertFromAnsi(std::string_view name) {
    if (name.empty()) return std::u16string();
    // A byte the code page does not define, or a lead byte without its trail, is no name.
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::u16string converted(static_cast<size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()),
                        reinterpret_cast<LPWSTR>(converted.data()), length);
    return converted;
}

char16_t Upcase(char16_t c) { return static_cast<char16_t>(RtlUpcaseUnicodeChar(static_cast<WCHAR>(c))); }

}  // namespace

const TFileNameRules& FileSystemNameRules() {
    static const TFileNameRules rules{&ConvertFromAnsi, &Upcase};
    return rules;
}

}  // namespace quillon
