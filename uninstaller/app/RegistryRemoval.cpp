#include "uninstaller/app/RegistryRemoval.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "uninstaller/app/RegistryGuard.h"
#include "uninstaller/app/RegistryTreeRules.h"
#include "uninstaller/app/RegistryValueData.h"

namespace {

const std::size_t kKeyBuffer = 520;
// Keys looked at in one tree deletion at most: the deletion ends even on a registry that keeps
// growing under it.
const unsigned kMaxKeyVisits = 1000000;

struct TreeDeletion {
    EngineRegistry& registry;
    int root;
    unsigned visitsLeft;
};

// Deletes the key's subkeys, deepest first, then the key. The subkeys are listed once before
// any goes, so each is visited once whatever happens to it. True when the key is gone.
bool DeleteKeyAndBelow(TreeDeletion& deletion, const char* key)
{
    EngineRegistry& registry = deletion.registry;
    if (registry.IsLink(deletion.root, key))
        return registry.DeleteKey(deletion.root, key);
    std::vector<std::string> subkeys;
    char name[260];
    for (unsigned index = 0; deletion.visitsLeft > 0 && registry.SubkeyAt(deletion.root, key, index, name, sizeof name);
         ++index) {
        --deletion.visitsLeft;
        subkeys.push_back(name);
    }
    for (const std::string& subkey : subkeys) {
        char path[kKeyBuffer];
        int written = std::snprintf(path, sizeof path, "%s\\%s", key, subkey.c_str());
        if (written > 0 && static_cast<std::size_t>(written) < sizeof path)
            DeleteKeyAndBelow(deletion, path);
    }
    return registry.DeleteKey(deletion.root, key) || registry.StateOf(deletion.root, key) == kKeyMissing;
}

void CutToParent(char* path)
{
    char* last = std::strrchr(path, '\\');
    if (last)
        *last = '\0';
    else
        path[0] = '\0';
}

}  // namespace

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

bool DeleteKeyTree(EngineRegistry& registry, int root, const char* keyPath)
{
    char key[kKeyBuffer];
    if (!NormaliseRegistryKey(keyPath, key, sizeof key) || !key[0])
        return false;
    if (registry.StateOf(root, key) == kKeyMissing)
        return true;
    TreeDeletion deletion{registry, root, kMaxKeyVisits};
    return DeleteKeyAndBelow(deletion, key);
}

bool DeleteRegistryTree(EngineRegistry& registry, int root, const char* key)
{
    RegistryGuard guard(registry, nullptr);
    return guard.MayDeleteTree(root, key) == kKeptNothing && DeleteKeyTree(registry, root, key);
}

void RemoveEmptyKeys(EngineRegistry& registry, RegistryGuard& guard, int root, const char* key)
{
    char path[kKeyBuffer];
    if (!NormaliseRegistryKey(key, path, sizeof path))
        return;
    while (path[0] && guard.MayDeleteEmptyKey(root, path)) {
        RegistryKeyState state = registry.StateOf(root, path);
        if (state == kKeyInUse || (state == kKeyEmpty && !registry.DeleteKey(root, path)))
            return;
        CutToParent(path);
    }
}

void RemoveValueAndEmptyKeys(EngineRegistry& registry, RegistryGuard& guard, int root, const char* key,
                             const char* valueName)
{
    char path[kKeyBuffer];
    if (!NormaliseRegistryKey(key, path, sizeof path) || registry.StateOf(root, path) == kKeyMissing)
        return;
    registry.DeleteValue(root, path, valueName);
    while (path[0] && guard.MayDeleteEmptyKey(root, path) && registry.StateOf(root, path) == kKeyEmpty &&
           registry.DeleteKey(root, path))
        CutToParent(path);
}
