#include "controls/shell/SizeText.h"

namespace mw {

uint64_t KilobytesRoundedUp(uint64_t bytes) { return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0); }

std::string GroupThousands(uint64_t value, const std::string& separator) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return text;
}

std::string FormatSizeKB(uint64_t bytes, const std::string& thousandsSeparator) {
    return GroupThousands(KilobytesRoundedUp(bytes), thousandsSeparator) + "KB";
}

}  // namespace mw
