#include "uninstaller/app/PathComponents.h"

#include <cctype>
#include <cstring>

namespace {

struct Builder {
    char* out;
    size_t size;
    size_t length;
    bool overflow;

    void Append(const char* text, size_t count)
    {
        if (overflow || length + count >= size) {
            overflow = true;
            return;
        }
        std::memcpy(out + length, text, count);
        length += count;
        out[length] = '\0';
    }
    void Append(const char* text) { Append(text, std::strlen(text)); }
};

bool IsDriveRooted(const char* path)
{
    return std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\';
}

bool IsUnc(const char* path)
{
    return path[0] == '\\' && path[1] == '\\';
}

// Writes the absolute form of path into builder.
void MakeAbsolute(const char* path, const char* currentDirectory, Builder* builder)
{
    if (IsDriveRooted(path) || IsUnc(path)) {
        builder->Append(path);
    } else if (path[0] == '\\') {
        builder->Append(currentDirectory, std::strlen(currentDirectory) >= 2 ? 2 : 0);
        builder->Append(path);
    } else {
        builder->Append(currentDirectory);
        size_t length = std::strlen(currentDirectory);
        if (length && currentDirectory[length - 1] != '\\')
            builder->Append("\\");
        builder->Append(path);
    }
}

// Length of the prefix that is kept as it is: "X:\" or "\\server\share\".
size_t RootLength(const char* path)
{
    if (IsDriveRooted(path))
        return 3;
    if (!IsUnc(path))
        return 0;
    const char* server = std::strchr(path + 2, '\\');
    if (!server)
        return std::strlen(path);
    const char* share = std::strchr(server + 1, '\\');
    return share ? static_cast<size_t>(share + 1 - path) : std::strlen(path);
}

bool IsLookedUp(const char* component, size_t length)
{
    if (length == 0)
        return false;
    if ((length == 1 && component[0] == '.') || (length == 2 && component[0] == '.' && component[1] == '.'))
        return false;
    for (size_t i = 0; i < length; ++i)
        if (component[i] == '*' || component[i] == '?')
            return false;
    return true;
}

}  // namespace

int ConvertPathForm(const char* path, const char* currentDirectory, PathComponentLookup lookup,
                    void* context, char* out, size_t size)
{
    if (size == 0)
        return 1;
    out[0] = '\0';
    char absolute[1024];
    Builder whole{absolute, sizeof absolute, 0, false};
    absolute[0] = '\0';
    MakeAbsolute(path, currentDirectory, &whole);
    if (whole.overflow)
        return 1;
    if (IsDriveRooted(absolute))
        absolute[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(absolute[0])));

    Builder result{out, size, 0, false};
    size_t root = RootLength(absolute);
    result.Append(absolute, root);
    const char* p = absolute + root;
    while (*p && !result.overflow) {
        const char* end = std::strchr(p, '\\');
        size_t length = end ? static_cast<size_t>(end - p) : std::strlen(p);
        size_t before = result.length;
        result.Append(p, length);
        if (!result.overflow && IsLookedUp(p, length)) {
            char name[260];
            if (lookup(context, out, name, sizeof name) && name[0]) {
                result.length = before;
                out[before] = '\0';
                result.Append(name);
            }
        }
        if (end)
            result.Append("\\");
        p = end ? end + 1 : p + length;
    }
    if (result.overflow) {
        out[0] = '\0';
        return 1;
    }
    return 0;
}
