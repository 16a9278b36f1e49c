#include "uninstaller/app/RegistryRemoval.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/RegistryValueData.h"
#include "uninstaller/log/NameCompare.h"

namespace {

const int kMaxSubkeyPasses = 2048;
const std::size_t kKeyBuffer = 520;

// Components of a key path, empty ones ("\\", a leading "\") not counted.
int Depth(const char* key)
{
    int depth = 0;
    for (const char* p = key; *p;) {
        while (*p == '\\')
            ++p;
        if (!*p)
            break;
        ++depth;
        while (*p && *p != '\\')
            ++p;
    }
    return depth;
}

// The key as "A\B\C": no leading, trailing or doubled "\".
bool Normalise(const char* key, char* out, std::size_t size)
{
    std::size_t used = 0;
    for (const char* p = key; *p; ++p) {
        if (*p == '\\' && (used == 0 || out[used - 1] == '\\'))
            continue;
        if (used + 1 >= size)
            return false;
        out[used++] = *p;
    }
    if (used && out[used - 1] == '\\')
        --used;
    out[used] = '\0';
    return true;
}

}  // namespace

bool IsRemovableRegistryKey(int root, const char* key)
{
    char normal[kKeyBuffer];
    if (!Normalise(key, normal, sizeof normal))
        return false;
    int depth = Depth(normal);
    int minimum = root == kRootClassesRoot ? 1 : root == kRootUsers ? 3 : 2;
    if (depth < minimum)
        return false;
    if (root == kRootLocalMachine || root == kRootCurrentUser) {
        static const char* const kShared[] = {"Software\\Microsoft", "Software\\Classes", "Software\\Policies"};
        for (const char* shared : kShared)
            if (EqualNoCase(normal, shared))
                return false;
    }
    return true;
}

bool WriteRegistryValue(EngineRegistry& registry, int root, int logType, const char* key, const char* valueName,
                        const char* text, std::size_t textSize, bool create)
{
    unsigned char data[4096];
    std::size_t size = 0;
    unsigned type = 0;
    if (!EncodeRegistryValue(logType, text, textSize, data, sizeof data, &size, &type))
        return false;
    return registry.WriteValue(root, key, valueName, type, data, size, create);
}

bool DeleteRegistryTree(EngineRegistry& registry, int root, const char* keyPath)
{
    char key[kKeyBuffer];
    if (!Normalise(keyPath, key, sizeof key) || !IsRemovableRegistryKey(root, key))
        return false;
    for (int pass = 0; pass < kMaxSubkeyPasses; ++pass) {
        char name[260];
        if (!registry.FirstSubkey(root, key, name, sizeof name))
            break;
        char subkey[kKeyBuffer];
        int written = std::snprintf(subkey, sizeof subkey, "%s\\%s", key, name);
        if (written < 0 || static_cast<std::size_t>(written) >= sizeof subkey)
            break;
        DeleteRegistryTree(registry, root, subkey);
    }
    registry.DeleteKey(root, key);
    return registry.StateOf(root, key) == kKeyMissing;
}

namespace {

void CutToParent(char* path)
{
    char* last = std::strrchr(path, '\\');
    if (last)
        *last = '\0';
    else
        path[0] = '\0';
}

}  // namespace

void RemoveEmptyKeys(EngineRegistry& registry, int root, const char* key)
{
    char path[kKeyBuffer];
    if (!Normalise(key, path, sizeof path))
        return;
    while (path[0] && IsRemovableRegistryKey(root, path)) {
        RegistryKeyState state = registry.StateOf(root, path);
        if (state == kKeyInUse || (state == kKeyEmpty && !registry.DeleteKey(root, path)))
            return;
        CutToParent(path);
    }
}

void RemoveValueAndEmptyKeys(EngineRegistry& registry, int root, const char* key, const char* valueName)
{
    char path[kKeyBuffer];
    if (!Normalise(key, path, sizeof path) || registry.StateOf(root, path) == kKeyMissing)
        return;
    registry.DeleteValue(root, path, valueName);
    while (path[0] && IsRemovableRegistryKey(root, path) && registry.StateOf(root, path) == kKeyEmpty &&
           registry.DeleteKey(root, path))
        CutToParent(path);
}
