#include "app/extraction/ExtractionReport.h"

#include <cstdio>
#include <limits>

#include "app/archive/SegmentDecoder.h"

namespace quillon {

namespace {

// The text cut to at most maxLength characters, keeping two thirds from its start and one
// third from its end.
std::string Shortened(const std::string& text, size_t maxLength) {
    if (text.size() <= maxLength || maxLength < 5) return text;
    const size_t kept = maxLength - 3;
    return text.substr(0, kept - kept / 3) + "..." + text.substr(text.size() - kept / 3);
}

// Control characters as blanks: a line break in a name would make the message taller than
// the cuts allow.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    return text;
}

std::string FittedLine(const std::string& text, size_t maxLineLength, size_t maxRunLength) {
    const std::string line = OneLine(text);
    std::string fitted;
    size_t start = 0;
    for (;;) {
        const size_t blank = line.find(' ', start);
        fitted += Shortened(line.substr(start, blank == std::string::npos ? blank : blank - start), maxRunLength);
        if (blank == std::string::npos) break;
        fitted += ' ';
        start = blank + 1;
    }
    return Shortened(fitted, maxLineLength);
}

}  // namespace

std::string ListMessage(const std::string& heading, const std::vector<std::string>& lines, size_t maxLines,
                        size_t maxLineLength, size_t maxRunLength) {
    std::string text = heading + "\r";
    for (size_t i = 0; i < lines.size() && i < maxLines; ++i)
        text += "\r" + FittedLine(lines[i], maxLineLength, maxRunLength);
    if (lines.size() > maxLines) text += "\r... and " + std::to_string(lines.size() - maxLines) + " more.";
    return text;
}

uint64_t OutputBound(uint64_t archiveSize) {
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    return archiveSize > kMax / kMaxSegmentExpansion ? kMax : archiveSize * kMaxSegmentExpansion;
}

std::string ByteSizeText(uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " bytes";
    if (bytes < 1024 * 1024) return std::to_string((bytes + 512) / 1024) + " KB";
    const char* unit = "MB";
    double size = double(bytes) / (1024.0 * 1024.0);
    if (size >= 1024.0) {
        size /= 1024.0;
        unit = "GB";
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f %s", size, unit);
    return text;
}

std::string ExcessOutputQuestion(uint64_t claimed, uint64_t archiveSize, const std::string& action) {
    return "These entries claim " + ByteSizeText(claimed) + " in all, more than an archive of " +
           ByteSizeText(archiveSize) + " can hold: it is damaged, or made so that its entries share their data.\r\r" +
           action;
}

}  // namespace quillon
