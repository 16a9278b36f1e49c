#include "app/extraction/FileNameRules.h"

#include <array>

namespace quillon {

namespace {

constexpr char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

bool EqualsAsciiUpper(std::u16string_view text, std::u16string_view upper) {
    if (text.size() != upper.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiUpper(text[i]) != upper[i]) return false;
    return true;
}

// A device digit: 0-9, and the superscripts 1, 2 and 3 that Windows takes for them too.
bool IsDeviceDigit(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'\u00B9' || c == u'\u00B2' || c == u'\u00B3'; }

bool IsDeviceName(std::u16string_view name) {
    // The device is named by the part before the first dot, trailing blanks ignored.
    std::u16string_view base = name.substr(0, name.find(u'.'));
    while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
    static const std::array<std::u16string_view, 6> kDevices = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
    for (const std::u16string_view device : kDevices)
        if (EqualsAsciiUpper(base, device)) return true;
    return base.size() == 4 && (EqualsAsciiUpper(base.substr(0, 3), u"COM") || EqualsAsciiUpper(base.substr(0, 3), u"LPT")) &&
           IsDeviceDigit(base[3]);
}

// Calls part(text) for each "/" separated part of the path; false as soon as one returns false.
template <class F>
bool ForEachPart(std::string_view path, F part) {
    size_t start = 0;
    for (;;) {
        const size_t slash = path.find('/', start);
        if (!part(path.substr(start, slash == std::string_view::npos ? slash : slash - start), slash == std::string_view::npos))
            return false;
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

}  // namespace

bool IsSafeFileName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return false;
    for (const char16_t c : name) {
        if (c < 32) return false;
        if (std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) return false;
    }
    if (name.back() == u'.' || name.back() == u' ') return false;
    return !IsDeviceName(name);
}

bool IsSafeFileName(std::string_view name, const TFileNameRules& rules) {
    const std::optional<std::u16string> converted = rules.Convert(name);
    return converted && IsSafeFileName(*converted);
}

std::optional<std::string> SafeRelativePath(std::string_view archivePath, const TFileNameRules& rules) {
    std::string path;
    const bool safe = ForEachPart(archivePath, [&](std::string_view part, bool last) {
        if (!IsSafeFileName(part, rules)) return false;
        path.append(part);
        if (!last) path += '\\';
        return true;
    });
    if (!safe) return std::nullopt;
    return path;
}

std::optional<std::u16string> FoldedRelativePath(std::string_view archivePath, const TFileNameRules& rules) {
    std::u16string folded;
    const bool safe = ForEachPart(archivePath, [&](std::string_view part, bool last) {
        std::optional<std::u16string> converted = rules.Convert(part);
        if (!converted || !IsSafeFileName(*converted)) return false;
        for (const char16_t c : *converted) folded += rules.Upcase(c);
        if (!last) folded += u'\\';
        return true;
    });
    if (!safe) return std::nullopt;
    return folded;
}

}  // namespace quillon
