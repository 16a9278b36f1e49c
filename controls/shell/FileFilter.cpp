#include "controls/shell/FileFilter.h"

#include <cctype>

#include "classlib/core/TextUtils.h"

namespace mw {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

// Iterative wildcard match: on a mismatch after a "*", the star takes one more character.
bool MaskMatches(const std::string& mask, const std::string& name) {
    if (mask == "*.*") return true;
    size_t m = 0, n = 0, starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && Upper(mask[m]) == Upper(name[n])))) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

TFileFilter::TFileFilter(const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of(";,", start);
        const std::string mask = cl::Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!mask.empty()) masks_.push_back(mask);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    active_ = !masks_.empty();
    for (const std::string& mask : masks_)
        if (mask == "*" || mask == "*.*") active_ = false;
}

bool TFileFilter::Matches(const std::string& name) const {
    if (!active_) return true;
    for (const std::string& mask : masks_)
        if (MaskMatches(mask, name)) return true;
    return false;
}

}  // namespace mw
