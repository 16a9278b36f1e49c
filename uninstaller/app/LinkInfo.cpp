#include "uninstaller/app/LinkInfo.h"

#include <cstring>

#include "uninstaller/app/RegistryValueData.h"

namespace {

// The next field without its surrounding spaces; text moves past its "|". The last field is
// the rest of the text, so that arguments may hold a "|".
bool NextField(const char*& text, char* out, std::size_t size, bool last = false)
{
    const char* bar = last ? nullptr : std::strchr(text, '|');
    const char* end = bar ? bar : text + std::strlen(text);
    const char* start = text;
    while (start < end && *start == ' ')
        ++start;
    const char* stop = end;
    while (stop > start && stop[-1] == ' ')
        --stop;
    std::size_t length = static_cast<std::size_t>(stop - start);
    text = bar ? bar + 1 : end;
    if (length >= size)
        return false;
    std::memcpy(out, start, length);
    out[length] = '\0';
    return true;
}

}  // namespace

bool ParseLinkInfo(const char* text, ShortcutInfo* link)
{
    char iconIndex[16], showCommand[16], hotKey[16];
    if (!NextField(text, link->target, sizeof link->target) ||
        !NextField(text, link->workingDirectory, sizeof link->workingDirectory) ||
        !NextField(text, link->iconFile, sizeof link->iconFile) || !NextField(text, iconIndex, sizeof iconIndex) ||
        !NextField(text, showCommand, sizeof showCommand) || !NextField(text, hotKey, sizeof hotKey) ||
        !NextField(text, link->arguments, sizeof link->arguments, true))
        return false;
    link->iconIndex = static_cast<int>(ParseDecimal(iconIndex, sizeof iconIndex));
    link->showCommand = static_cast<int>(ParseDecimal(showCommand, sizeof showCommand) & 7);
    link->hotKey = static_cast<unsigned>(ParseDecimal(hotKey, sizeof hotKey)) & 0xFFFF;
    link->hasHotKey = (link->hotKey & 0xFF) != 0;
    return link->target[0] != '\0';
}
