#include "uninstaller/app/RepairRun.h"

#include <cstring>
#include <string>

#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/RepairSteps.h"

namespace {

bool RegistersItself(const FileRecord& file)
{
    return file.path[0] && file.selfRegisterSection != 0;
}

unsigned CountRegistering(const RecordTable<FileRecord>& files)
{
    unsigned count = 0;
    for (unsigned i = 0; i < files.count; ++i)
        count += RegistersItself(*files[i]) ? 1 : 0;
    return count;
}

// Every value the installation wrote, written again; missing keys are created. A value the
// guard refuses (the system's, another program's, behind a link) is kept and reported.
void RewriteValue(RepairContext& run, int root, int type, const char* key, const char* valueName,
                  const char* text)
{
    KeepReason refusal = run.registryGuard.MayChangeValue(root, key, valueName, text);
    if (refusal != kKeptNothing)
        run.Keep(RegistryValueItem(root, key, valueName), refusal);
    else if (!WriteRegistryValue(run.registry, root, type, key, valueName, text, std::strlen(text) + 1, true))
        run.failed = true;
}

void RewriteRegistryValues(RepairContext& run)
{
    const RecordTable<RepairValueRecord>& values = run.store.repairValues;
    for (unsigned i = 0; i < values.count && !run.Stopped(); ++i) {
        const RepairValueRecord& value = *values[i];
        run.Advance();
        run.ui.ServeMessages();
        if (value.edit) {
            const RegistryEditRecord& edit = *value.edit;
            RewriteValue(run, edit.root, edit.type, edit.keyPath, edit.valueName, value.newValue);
        } else if (value.key) {
            const RegistryKeyRecord& key = *value.key;
            RewriteValue(run, key.root, value.type, key.keyPath, key.valueName, value.newValue);
        } else {
            run.failed = true;
        }
    }
}

void RegisterFiles(RepairContext& run, const RecordTable<FileRecord>& files)
{
    for (unsigned i = 0; i < files.count && !run.Stopped(); ++i) {
        const FileRecord& file = *files[i];
        if (!RegistersItself(file))
            continue;
        run.Advance();
        run.ui.ShowChecking(file.path);
        // Registering runs the file's own code: only a file the repair may write is run.
        std::string named;
        if (!run.files.PathFromAnsi(file.path, &named)) {
            run.Keep(file.path, kKeptNoExactName);
            continue;
        }
        JudgedPath judged = run.guard.File(named, kFileWrite);
        if (!judged.Allowed())
            run.Keep(file.path, judged.refusal);
        else
            run.system.RegisterFile(file.path);
    }
}

}  // namespace

RepairContext::RepairContext(ItemStore& store, const RepairOptions& options, RepairHost& host)
    : store(store),
      options(options),
      system(host.system),
      registry(host.registry),
      ui(host.ui),
      files(host.files),
      guard(host.files, options.protectedFolders, options.logPath, &store),
      places(host.files, guard, store, options.logPath),
      registryGuard(host.registry, &places),
      lists(static_cast<unsigned>(store.lastSection) + 1),
      listWritten(false),
      failed(false),
      promptCancelled(false),
      newerAnswers{false, false},
      done(0),
      total(0)
{
    // The items the repair steps through: files checked, values written, files registered.
    total = store.systemFiles.count + store.privateFiles.count + store.restoreOnlyFiles.count +
            store.repairValues.count + CountRegistering(store.privateFiles) + CountRegistering(store.systemFiles);
    if (total == 0)
        total = 1;
}

void RepairContext::Advance()
{
    if (done < total)
        ++done;
    ui.SetProgress(done, total);
}

const char* RepairContext::SourceOf(Section section) const
{
    return section < store.sourceSlots ? store.sourceBySection[section] : nullptr;
}

RepairOutcome RunRepair(ItemStore& store, const RepairOptions& options, RepairHost& host, KeptItems* kept)
{
    RepairContext run(store, options, host);
    if (!run.lists.Ready())
        return kRepairFailed;
    run.ui.EnterProgressView();
    run.ui.SetProgress(0, run.total);

    CheckLoggedFiles(run);
    RewriteRegistryValues(run);
    RegisterFiles(run, store.privateFiles);
    RegisterFiles(run, store.systemFiles);
    RunSources(run);
    // A cancelled repair runs no source; no list outlives the run.
    DeleteRemainingLists(run);
    if (kept)
        *kept = run.kept;

    if (run.Stopped())
        return kRepairCancelled;
    return run.failed ? kRepairFailed : kRepairDone;
}
