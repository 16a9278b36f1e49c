#include "controls/navigation/TabCaption.h"

#include <cctype>

namespace mw {

namespace {

std::vector<std::string> Lines(const std::string& caption) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = caption.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(caption.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(caption.substr(start));
    return lines;
}

// Takes the line's first "&" out; the position of the character it marked, or -1.
int StripFirstAmpersand(std::string& line) {
    const size_t at = line.find('&');
    if (at == std::string::npos || at + 1 == line.size()) return -1;
    line.erase(at, 1);
    return line[at] == '&' ? -1 : static_cast<int>(at);
}

}  // namespace

std::vector<TCaptionLine> SplitCaption(const std::string& caption) {
    std::vector<TCaptionLine> result;
    bool seenAmpersand = false;
    for (std::string& text : Lines(caption)) {
        const bool hasAmpersand = text.find('&') != std::string::npos;
        const int marked = StripFirstAmpersand(text);
        TCaptionLine line{std::move(text), -1};
        if (hasAmpersand && !seenAmpersand) line.underline = marked;
        seenAmpersand = seenAmpersand || hasAmpersand;
        result.push_back(std::move(line));
    }
    return result;
}

char CaptionAccelerator(const std::string& caption) {
    for (const TCaptionLine& line : SplitCaption(caption))
        if (line.underline >= 0) return line.text[static_cast<size_t>(line.underline)];
    return '\0';
}

bool IsAcceleratorKey(const std::string& caption, char key) {
    const char accelerator = CaptionAccelerator(caption);
    return accelerator != '\0' &&
           std::toupper(static_cast<unsigned char>(accelerator)) == std::toupper(static_cast<unsigned char>(key));
}

}  // namespace mw
