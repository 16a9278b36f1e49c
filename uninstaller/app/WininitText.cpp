#include "uninstaller/app/WininitText.h"

#include <cstdio>

#include "uninstaller/log/NameCompare.h"

namespace {

// Whether the last section header of the text is "[rename]" (leading spaces and tabs skipped,
// case ignored).
bool LastSectionIsRename(const char* text, std::size_t length)
{
    bool rename = false;
    std::size_t i = 0;
    while (i < length) {
        while (i < length && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i < length && text[i] == '[') {
            const char kHeader[] = "[rename]";
            std::size_t headerLength = sizeof kHeader - 1;
            rename = length - i >= headerLength && CompareNoCaseN(text + i, kHeader, headerLength) == 0;
        }
        while (i < length && text[i] != '\n')
            ++i;
        ++i;
    }
    return rename;
}

}  // namespace

std::size_t BuildWininitDeletion(const char* existing, std::size_t existingLength, const char* path, char* out,
                                 std::size_t size)
{
    if (!existing)
        existingLength = 0;
    bool needsLineEnd = existingLength && existing[existingLength - 1] != '\n';
    bool needsHeader = !LastSectionIsRename(existing, existingLength);
    int length = std::snprintf(out, size, "%s%sNUL=%s\r\n", needsLineEnd ? "\r\n" : "",
                               needsHeader ? "[rename]\r\n" : "", path);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        if (size)
            out[0] = '\0';
        return 0;
    }
    return static_cast<std::size_t>(length);
}
