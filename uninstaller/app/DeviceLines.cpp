#include "uninstaller/app/DeviceLines.h"

#include <cstring>

#include "uninstaller/log/NameCompare.h"

void DeviceNameOf(const char* path, const char* systemDirectory, char* out, std::size_t size)
{
    if (size == 0)
        return;
    std::size_t folderLength = std::strlen(systemDirectory);
    const char* name = path;
    if (folderLength && CompareNoCaseN(path, systemDirectory, folderLength) == 0 && path[folderLength] == '\\')
        name = path + folderLength + 1;
    std::size_t length = std::strlen(name);
    if (length >= size)
        length = size - 1;
    std::memcpy(out, name, length);
    out[length] = '\0';
}

bool DeviceLineScan::IsLineToComment(const char* line)
{
    while (*line == ' ' || *line == '\t')
        ++line;
    if (*line == '[') {
        inSection_ = EqualNoCase(line, "[386Enh]");
        return false;
    }
    if (!inSection_ || CompareNoCaseN(line, "device=", 7) != 0)
        return false;
    const char* rest = line + 7;
    return EqualNoCase(rest, deviceName_) || EqualNoCase(rest, path_);
}
