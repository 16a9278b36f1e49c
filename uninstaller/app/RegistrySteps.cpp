// The engine's registry steps: changed values put back, created values and trees removed, and
// the installation's Repair key deleted.
#include "uninstaller/app/EngineSteps.h"
#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/RepairCheck.h"

void RestoreRegistryEdits(EngineContext& run)
{
    RecordTable<RegistryEditRecord>& edits = run.store.registryEdits;
    for (unsigned i = 0; i < edits.count && !run.Cancelled(); ++i) {
        const RegistryEditRecord& edit = *edits[i];
        if (!run.Taken(edit.selected) || !run.Reaches(edit.section)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryEdit, edit.keyPath, kProgressKey);
        // Both lists hold the value as it was: before the first run, or before the last one.
        const char* value = run.rollback ? edit.rollbackOldValue : edit.oldValues;
        WriteRegistryValue(run.registry, edit.root, edit.type, edit.keyPath, edit.valueName, value,
                           sizeof edit.oldValues, false);
    }
}

void RemoveRegistryValues(EngineContext& run)
{
    RecordTable<RegistryKeyRecord>& keys = run.store.registryKeys;
    for (unsigned i = keys.count; i-- > 0 && !run.Cancelled();) {
        const RegistryKeyRecord& record = *keys[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.section)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryValue, record.keyPath, kProgressName);
        RemoveValueAndEmptyKeys(run.registry, record.root, record.keyPath, record.valueName);
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
        if (run.Taken(record.selected) && run.Reaches(record.section))
            RemoveEmptyKeys(run.registry, record.root, record.keyPath);
    }
}

}  // namespace

void RemoveRegistryTrees(EngineContext& run)
{
    bool removedAny = false;
    RecordTable<RegistryTreeRecord>& trees = run.store.registryTrees;
    for (unsigned i = trees.count; i-- > 0 && !run.Cancelled();) {
        const RegistryTreeRecord& record = *trees[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.section)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelRegistryTree, record.keyPath, kProgressKey);
        if (!DeleteRegistryTree(run.registry, record.root, record.keyPath))
            run.failed = true;
        removedAny = true;
    }
    if (removedAny)
        RemoveKeysEmptiedByTrees(run);
}

void DeleteRepairKey(EngineContext& run)
{
    if (!InstallationIsGone(run))
        return;
    char longPath[kPathSize], key[2 * kPathSize];
    if (!run.files.LongPathOf(run.options.logPath, longPath, sizeof longPath))
        return;
    if (BuildRepairKeyPath(longPath, key, sizeof key) == 0)
        DeleteRegistryTree(run.registry, kRootLocalMachine, key);
}
