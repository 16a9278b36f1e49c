#include "uninstaller/app/PathFitting.h"

#include <cstdio>
#include <cstring>

namespace {

const char kEllipsis[] = "...";
const size_t kEllipsisLength = 3;

// Replaces [from, to) with "..."; the rest of the text moves up.
void ReplaceWithEllipsis(char* from, char* to)
{
    std::memmove(from + kEllipsisLength, to, std::strlen(to) + 1);
    std::memcpy(from, kEllipsis, kEllipsisLength);
}

// One step of shortening; false when the path cannot get any shorter.
bool ShortenOnce(char* path)
{
    if (char* separator = std::strchr(path, '\\')) {
        char* start = separator + 1;
        char* end = std::strchr(start, '\\');
        if (end && std::strncmp(start, kEllipsis, kEllipsisLength) == 0)
            end = std::strchr(end + 1, '\\');
        if (end && static_cast<size_t>(end - start) > kEllipsisLength) {
            ReplaceWithEllipsis(start, end);
            return true;
        }
    }
    size_t length = std::strlen(path);
    if (length <= kEllipsisLength)
        return false;
    ReplaceWithEllipsis(path + length - 4, path + length);
    return true;
}

char* PathPart(char* text)
{
    char* lineBreak = std::strpbrk(text, "\r\n");
    if (!lineBreak)
        return text;
    return lineBreak + std::strspn(lineBreak, "\r\n");
}

}  // namespace

void FitPathToWidth(char* text, int maxWidth, TextWidth width, void* context)
{
    // Shortening never lengthens the path, so it is done in place: a path of any length keeps
    // its name at the end rather than losing it to a fixed-size copy.
    char* path = PathPart(text);
    while (width(context, path, std::strlen(path)) >= maxWidth && ShortenOnce(path)) {
    }
}

void ShortenKey(const char* key, char* out, size_t size)
{
    const size_t kLongestWhole = 48, kKept = 45;
    if (std::strlen(key) > kLongestWhole)
        std::snprintf(out, size, "%.*s...", static_cast<int>(kKept), key);
    else
        std::snprintf(out, size, "%s", key);
}
