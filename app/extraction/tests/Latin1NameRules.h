#pragma once
// Name rules for tests on any platform: 8-bit names read as Latin-1 (every byte converts), and
// upper-casing of the ASCII and Latin-1 letters as Windows does it. A byte listed in
// invalidBytes does not convert, as a byte a code page leaves undefined.

#include <optional>
#include <string>
#include <string_view>

#include "app/extraction/FileNameRules.h"

namespace quillon_test {

inline char16_t Latin1Upcase(char16_t c) {
    if (c >= u'a' && c <= u'z') return char16_t(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 32);
    if (c == 0xFF) return 0x178;
    if (c == 0xB5) return 0x39C;
    return c;
}

inline quillon::TFileNameRules Latin1NameRules(std::string invalidBytes = {}) {
    return {[invalidBytes](std::string_view name) -> std::optional<std::u16string> {
                std::u16string converted;
                for (const char c : name) {
                    if (invalidBytes.find(c) != std::string::npos) return std::nullopt;
                    converted += char16_t(static_cast<unsigned char>(c));
                }
                return converted;
            },
            &Latin1Upcase};
}

}  // namespace quillon_test
