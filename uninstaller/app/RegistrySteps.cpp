// The engine's registry steps: changed values put back, created values and trees removed, and
// the installation's Repair key deleted. Every change passes the run's RegistryGuard first; a
// refused one is kept and reported.
#include <cstring>
#include <string>

#include "uninstaller/app/EngineSteps.h"
#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/RegistryTreeRules.h"

namespace {

// A refused change is reported when there is something it would have changed.
void KeepRefused(EngineContext& run, KeepReason refusal, int root, const char* key, const std::string& item)
{
    if (run.registry.StateOf(root, key) != kKeyMissing)
        run.Keep(item, refusal);
}

// Taken and of the run's sections.
template <typename Record>
bool InRun(const EngineContext& run, const Record& record)
{
    return run.Taken(record.selected) && run.Reaches(record.section);
}

}  // namespace

void JudgeRegistryItems(EngineContext& run)
{
    const ItemStore& store = run.store;
    for (unsigned i = 0; i < store.registryEdits.count; ++i)
        if (InRun(run, *store.registryEdits[i]))
            run.registryGuard.JudgeItemOf(store.registryEdits[i]->root, store.registryEdits[i]->keyPath);
    for (unsigned i = 0; i < store.registryKeys.count; ++i)
        if (InRun(run, *store.registryKeys[i]))
            run.registryGuard.JudgeItemOf(store.registryKeys[i]->root, store.registryKeys[i]->keyPath);
    for (unsigned i = 0; i < store.registryTrees.count; ++i)
        if (InRun(run, *store.registryTrees[i]))
            run.registryGuard.JudgeItemOf(store.registryTrees[i]->root, store.registryTrees[i]->keyPath);
}

void RestoreRegistryEdits(EngineContext& run)
{
    RecordTable<RegistryEditRecord>& edits = run.store.registryEdits;
    for (unsigned i = 0; i < edits.count && !run.Cancelled(); ++i) {
        const RegistryEditRecord& edit = *edits[i];
        if (!InRun(run, edit)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryEdit, edit.keyPath, kProgressKey);
        // Both lists hold the value as it was: before the first run, or before the last one.
        const char* value = run.rollback ? edit.rollbackOldValue : edit.oldValues;
        KeepReason refusal = run.registryGuard.MayChangeValue(edit.root, edit.keyPath, edit.valueName, value);
        if (refusal != kKeptNothing) {
            KeepRefused(run, refusal, edit.root, edit.keyPath, RegistryValueItem(edit.root, edit.keyPath, edit.valueName));
            continue;
        }
        WriteRegistryValue(run.registry, edit.root, edit.type, edit.keyPath, edit.valueName, value,
                           sizeof edit.oldValues, false);
    }
}

void RemoveRegistryValues(EngineContext& run)
{
    RecordTable<RegistryKeyRecord>& keys = run.store.registryKeys;
    for (unsigned i = keys.count; i-- > 0 && !run.Cancelled();) {
        const RegistryKeyRecord& record = *keys[i];
        if (!InRun(run, record)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryValue, record.keyPath, kProgressName);
        KeepReason refusal = run.registryGuard.MayChangeValue(record.root, record.keyPath, record.valueName, nullptr);
        if (refusal != kKeptNothing) {
            KeepRefused(run, refusal, record.root, record.keyPath,
                        RegistryValueItem(record.root, record.keyPath, record.valueName));
            continue;
        }
        RemoveValueAndEmptyKeys(run.registry, run.registryGuard, record.root, record.keyPath, record.valueName);
    }
}

namespace {

// Step 17 stops at a key that still holds a tree of step 18. Once the trees are gone, the keys
// of the values it removed climb again: only those keys and their parents, so a key the log
// does not lead to is never taken.
void RemoveKeysEmptiedByTrees(EngineContext& run)
{
    RecordTable<RegistryKeyRecord>& keys = run.store.registryKeys;
    for (unsigned i = keys.count; i-- > 0 && !run.Cancelled();) {
        const RegistryKeyRecord& record = *keys[i];
        if (InRun(run, record))
            RemoveEmptyKeys(run.registry, run.registryGuard, record.root, record.keyPath);
    }
}

// A tree below a product's own key leaves that key, and the keys between, behind when it was
// all they held; the vendor's key above is left to its other products.
void RemoveProductKeysEmptiedByTree(EngineContext& run, const RegistryTreeRecord& record)
{
    char path[sizeof record.keyPath];
    if (!NormaliseRegistryKey(record.keyPath, path, sizeof path))
        return;
    std::size_t product = ProductKeyLength(record.root, path);
    for (char* cut = std::strrchr(path, '\\'); product && cut && static_cast<std::size_t>(cut - path) >= product;
         cut = std::strrchr(path, '\\')) {
        *cut = '\0';
        if (!run.registryGuard.MayDeleteEmptyKey(record.root, path) ||
            run.registry.StateOf(record.root, path) != kKeyEmpty || !run.registry.DeleteKey(record.root, path))
            return;
    }
}

}  // namespace

void RemoveRegistryTrees(EngineContext& run)
{
    bool removedAny = false;
    RecordTable<RegistryTreeRecord>& trees = run.store.registryTrees;
    for (unsigned i = trees.count; i-- > 0 && !run.Cancelled();) {
        const RegistryTreeRecord& record = *trees[i];
        if (!InRun(run, record)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryTree, record.keyPath, kProgressKey);
        KeepReason refusal = run.registryGuard.MayDeleteTree(record.root, record.keyPath);
        if (refusal != kKeptNothing) {
            KeepRefused(run, refusal, record.root, record.keyPath, RegistryKeyItem(record.root, record.keyPath));
            continue;
        }
        if (DeleteKeyTree(run.registry, record.root, record.keyPath))
            RemoveProductKeysEmptiedByTree(run, record);
        else
            run.failed = true;
        removedAny = true;
    }
    if (removedAny)
        RemoveKeysEmptiedByTrees(run);
}

void DeleteRepairKey(EngineContext& run)
{
    if (InstallationIsGone(run) && !run.repairKey.empty())
        DeleteRegistryTree(run.registry, kRootLocalMachine, run.repairKey.c_str());
}
