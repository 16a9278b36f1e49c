#include "controls/basic/EditMask.h"

#include <cctype>

namespace mw {

namespace {

// The mask's fields split at unescaped semicolons.
std::vector<std::string> Fields(const std::string& mask) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '\\' && i + 1 < mask.size()) {
            fields.back() += mask.substr(i, 2);
            ++i;
        } else if (mask[i] == ';') {
            fields.emplace_back();
        } else {
            fields.back() += mask[i];
        }
    }
    return fields;
}

bool IsInputKind(char c) { return std::string("LlAaCc09#").find(c) != std::string::npos; }

}  // namespace

TEditMask::TEditMask(const std::string& mask) {
    if (mask.empty()) return;
    const std::vector<std::string> fields = Fields(mask);
    if (fields.size() > 1 && fields[1] == "0") saveLiterals_ = false;
    if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];
    const std::string& picture = fields[0];
    TCase letterCase = TCase::None;
    for (size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '<' && i + 1 < picture.size() && picture[i + 1] == '>') {
            letterCase = TCase::None;
            ++i;
        } else if (c == '>') {
            letterCase = TCase::Upper;
        } else if (c == '<') {
            letterCase = TCase::Lower;
        } else if (c == '!') {
            // Trimming of leading blanks: the display is the same.
        } else if (c == '\\' && i + 1 < picture.size()) {
            slots_.push_back({true, picture[++i], false, letterCase});
        } else if (IsInputKind(c)) {
            slots_.push_back({false, c, std::isupper(static_cast<unsigned char>(c)) || c == '0', letterCase});
        } else {
            slots_.push_back({true, c, false, letterCase});
        }
    }
}

char TEditMask::Accept(size_t pos, char c) const {
    if (pos >= slots_.size() || slots_[pos].literal) return 0;
    const TSlot& slot = slots_[pos];
    const auto u = static_cast<unsigned char>(c);
    bool fits = false;
    switch (slot.kind) {
        case 'L': case 'l': fits = std::isalpha(u) != 0; break;
        case 'A': case 'a': fits = std::isalnum(u) != 0; break;
        case 'C': case 'c': fits = u >= 32; break;
        case '0': case '9': fits = std::isdigit(u) != 0; break;
        case '#': fits = std::isdigit(u) || c == '+' || c == '-'; break;
        default: break;
    }
    if (!fits) return 0;
    if (slot.letterCase == TCase::Upper) return static_cast<char>(std::toupper(u));
    if (slot.letterCase == TCase::Lower) return static_cast<char>(std::tolower(u));
    return c;
}

std::string TEditMask::BlankText() const {
    std::string text;
    for (const TSlot& slot : slots_) text += slot.literal ? slot.kind : blank_;
    return text;
}

bool TEditMask::Complete(const std::string& display) const {
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].required) continue;
        if (i >= display.size() || display[i] == blank_ || !Accept(i, display[i])) return false;
    }
    return true;
}

std::string TEditMask::Value(const std::string& display) const {
    std::string value;
    for (size_t i = 0; i < slots_.size() && i < display.size(); ++i) {
        if (slots_[i].literal ? saveLiterals_ : display[i] != blank_) value += display[i];
    }
    return value;
}

size_t TEditMask::NextInputSlot(size_t pos) const {
    while (pos < slots_.size() && slots_[pos].literal) ++pos;
    return pos;
}

}  // namespace mw
