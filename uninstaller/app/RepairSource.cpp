#include "uninstaller/app/RepairSource.h"

#include <cstdio>
#include <cstring>

namespace {

bool CopyPart(const char* from, std::size_t length, char* out, std::size_t size)
{
    if (length >= size)
        return false;
    std::memcpy(out, from, length);
    out[length] = '\0';
    return true;
}

}  // namespace

bool SplitSourceText(const char* text, char* path, std::size_t pathSize, char* identity, std::size_t identitySize)
{
    const char* bar = std::strchr(text, '|');
    std::size_t pathLength = bar ? static_cast<std::size_t>(bar - text) : std::strlen(text);
    if (bar && pathLength > 0 && text[pathLength - 1] == ' ')
        --pathLength;
    const char* rest = bar ? bar + 1 : "";
    while (*rest == ' ')
        ++rest;
    return CopyPart(text, pathLength, path, pathSize) && CopyPart(rest, std::strlen(rest), identity, identitySize);
}

void FormatSourceIdentity(const LocalStamp& written, std::uint64_t size, char* out, std::size_t outSize)
{
    std::snprintf(out, outSize, "%02d-%02d-%04d | %02d:%02d:%02d | %llu", written.month, written.day, written.year,
                  written.hour, written.minute, written.second, static_cast<unsigned long long>(size));
}

bool IsLoggedSource(const char* identity, const LocalStamp& written, std::uint64_t size)
{
    if (!identity[0])
        return true;
    char found[64];
    FormatSourceIdentity(written, size, found, sizeof found);
    return std::strcmp(found, identity) == 0;
}
