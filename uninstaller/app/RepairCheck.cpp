#include "uninstaller/app/RepairCheck.h"

#include <cstdio>
#include <cstring>

int BuildRepairKeyPath(const char* longLogPath, char* out, size_t size)
{
    int written = std::snprintf(out, size, "Software\\Halden Solutions\\Halden Installation System\\Repair\\%s",
                                longLogPath);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        if (size)
            out[0] = '\0';
        return 1;
    }
    for (char* p = out + written - std::strlen(longLogPath); *p; ++p)
        if (*p == '\\')
            *p = '/';
    return 0;
}

RepairValueKind ParseRepairValueName(const char* name, int* root, char* keyPath, size_t keySize,
                                     char* valueName, size_t valueSize)
{
    if (name[0] < '0' || name[0] > '4' || (name[1] >= '0' && name[1] <= '9'))
        return kRepairValueUnchecked;
    *root = name[0] - '0';
    const char* key = name + 1;
    if (*key == '\\' && key[1] != '\\')
        ++key;
    const char* separator = std::strstr(key, "\\\\");
    if (!separator)
        return kRepairValueUnchecked;
    size_t keyLength = static_cast<size_t>(separator - key);
    const char* value = separator + 2;
    size_t valueLength = std::strlen(value);
    if (keyLength >= keySize || valueLength >= valueSize)
        return kRepairValueUnchecked;
    std::memcpy(keyPath, key, keyLength);
    keyPath[keyLength] = '\0';
    std::memcpy(valueName, value, valueLength + 1);
    return kRepairValueRegistry;
}
