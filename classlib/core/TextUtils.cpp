#include "classlib/core/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "classlib/core/Exception.h"

namespace cl {

namespace {
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

size_t LastSeparator(const std::string& fileName, const char* separators) {
    return fileName.find_last_of(separators);
}
}  // namespace

std::string UpperCase(std::string text) {
    for (char& c : text) c = Upper(c);
    return text;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = Lower(c);
    return text;
}

int CompareText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = static_cast<unsigned char>(Upper(a[i]));
        const unsigned char cb = static_cast<unsigned char>(Upper(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string Trim(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

int StrToInt(const std::string& text) {
    const std::string t = Trim(text);
    const char* start = t.c_str();
    int base = 10;
    if (!t.empty() && t[0] == '$') {
        ++start;
        base = 16;
    }
    char* end = nullptr;
    errno = 0;
    const long long value = *start ? std::strtoll(start, &end, base) : 0;
    if (!*start || *end != '\0' || errno != 0 || value < INT32_MIN || value > INT32_MAX ||
        (base == 16 && (*start == '-' || *start == '+')))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int>(value);
}

std::string StringReplace(const std::string& text, const std::string& what, const std::string& with, bool all) {
    if (what.empty()) return text;
    std::string result;
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(what, from);
        if (at == std::string::npos) break;
        result.append(text, from, at - from).append(with);
        from = at + what.size();
        if (!all) break;
    }
    return result.append(text, from, std::string::npos);
}

std::string ExtractFilePath(const std::string& fileName) {
    const size_t at = LastSeparator(fileName, "\\:");
    return at == std::string::npos ? std::string() : fileName.substr(0, at + 1);
}

std::string ExtractFileName(const std::string& fileName) {
    const size_t at = LastSeparator(fileName, "\\:");
    return at == std::string::npos ? fileName : fileName.substr(at + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
    const size_t at = LastSeparator(fileName, ".\\:");
    if (at == std::string::npos || fileName[at] != '.') return std::string();
    return fileName.substr(at);
}

}  // namespace cl
