#pragma once
// Writing and removing what the log recorded in the registry. Whether a key or value may be
// changed at all is RegistryGuard's to judge; these functions carry out what it allowed.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"

class RegistryGuard;

// Sets a logged value (log types as in RegistryValueData.h) in an existing key, or with create
// in a key created when missing. False when the value could not be written.
bool WriteRegistryValue(EngineRegistry& registry, int root, int logType, const char* key, const char* valueName,
                        const char* text, std::size_t textSize, bool create);

// Deletes the key with every subkey. A link key, named or met below, is deleted as a link and
// what it leads to stays. Each key is visited once; one that cannot be deleted is left with the
// keys above it. False when the key is still there afterwards.
bool DeleteKeyTree(EngineRegistry& registry, int root, const char* key);

// DeleteKeyTree of a product's own key (RegistryTreeRules.h) that no link leads to; any other
// key is left untouched and the result is false.
bool DeleteRegistryTree(EngineRegistry& registry, int root, const char* key);

// Deletes the value, then the key when that left it empty, then every parent that becomes
// empty in turn (as long as the guard lets it go).
void RemoveValueAndEmptyKeys(EngineRegistry& registry, RegistryGuard& guard, int root, const char* key,
                             const char* valueName);

// Deletes the key, when it is there and empty, and every parent that becomes empty in turn (as
// long as the guard lets it go); a key already gone passes the climb on to its parent.
void RemoveEmptyKeys(EngineRegistry& registry, RegistryGuard& guard, int root, const char* key);
