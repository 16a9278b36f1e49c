#include "uninstaller/app/RegistryRemoval.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/RegistryTreeRules.h"
#include "uninstaller/app/RegistryValueData.h"
#include "uninstaller/log/NameCompare.h"

namespace {

const std::size_t kKeyBuffer = 520;
// Subkeys looked at in one tree deletion at most: the deletion ends even on a registry that
// keeps growing under it.
const unsigned kMaxSubkeyVisits = 1000000;

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

struct TreeDeletion {
    EngineRegistry& registry;
    int root;
    unsigned visitsLeft;
};

// Deletes the key's subkeys, deepest first, then the key. Each key is tried once: one that
// cannot be deleted is left, and the next one is taken. True when the key is gone.
bool DeleteKeyAndBelow(TreeDeletion& deletion, const char* key)
{
    unsigned index = 0;
    char name[260];
    while (deletion.visitsLeft > 0 && deletion.registry.SubkeyAt(deletion.root, key, index, name, sizeof name)) {
        --deletion.visitsLeft;
        char subkey[kKeyBuffer];
        int written = std::snprintf(subkey, sizeof subkey, "%s\\%s", key, name);
        if (written < 0 || static_cast<std::size_t>(written) >= sizeof subkey || !DeleteKeyAndBelow(deletion, subkey))
            ++index;
    }
    return deletion.registry.DeleteKey(deletion.root, key) ||
           deletion.registry.StateOf(deletion.root, key) == kKeyMissing;
}

}  // namespace

bool IsRemovableRegistryKey(int root, const char* key)
{
    char normal[kKeyBuffer];
    if (!NormaliseRegistryKey(key, normal, sizeof normal))
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
    if (!NormaliseRegistryKey(keyPath, key, sizeof key) || !IsRemovableRegistryTree(root, key))
        return false;
    if (registry.StateOf(root, key) == kKeyMissing)
        return true;
    TreeDeletion deletion{registry, root, kMaxSubkeyVisits};
    return DeleteKeyAndBelow(deletion, key);
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
    if (!NormaliseRegistryKey(key, path, sizeof path))
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
    if (!NormaliseRegistryKey(key, path, sizeof path) || registry.StateOf(root, path) == kKeyMissing)
        return;
    registry.DeleteValue(root, path, valueName);
    while (path[0] && IsRemovableRegistryKey(root, path) && registry.StateOf(root, path) == kKeyEmpty &&
           registry.DeleteKey(root, path))
        CutToParent(path);
}
