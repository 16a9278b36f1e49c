#pragma once
// Writing and removing what the log recorded in the registry.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"

// A key the engine may delete: a key below the root, and below the roots' shared top keys
// ("Software", "System", a user's own key): at least one level deep under HKEY_CLASSES_ROOT,
// three under HKEY_USERS and two elsewhere, and none of "Software\Microsoft",
// "Software\Classes" or "Software\Policies".
bool IsRemovableRegistryKey(int root, const char* key);

// Sets a logged value (log types as in RegistryValueData.h) in an existing key, or with create
// in a key created when missing. False when the value could not be written.
bool WriteRegistryValue(EngineRegistry& registry, int root, int logType, const char* key, const char* valueName,
                        const char* text, std::size_t textSize, bool create);

// Deletes the key with every subkey (the trees IsRemovableRegistryTree allows). Each key is
// tried once; one that cannot be deleted is left with the keys above it. False when the key
// may not be deleted (nothing is touched) or is still there afterwards.
bool DeleteRegistryTree(EngineRegistry& registry, int root, const char* key);

// Deletes the value, then the key when that left it empty, then every parent that becomes
// empty in turn (as long as it may be deleted).
void RemoveValueAndEmptyKeys(EngineRegistry& registry, int root, const char* key, const char* valueName);

// Deletes the key, when it is there and empty, and every parent that becomes empty in turn (as
// long as it may be deleted); a key already gone passes the climb on to its parent.
void RemoveEmptyKeys(EngineRegistry& registry, int root, const char* key);
