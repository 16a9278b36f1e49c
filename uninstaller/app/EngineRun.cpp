#include "uninstaller/app/EngineRun.h"

#include "uninstaller/app/EngineSteps.h"
#include "uninstaller/app/RepairCheck.h"

EngineContext::EngineContext(ItemStore& store, const EngineOptions& options, EngineHost& host)
    : store(store),
      options(options),
      files(host.files),
      registry(host.registry),
      actions(host.actions),
      ui(host.ui),
      guard(host.files, options.protectedFolders, options.logPath, &store),
      places(host.files, guard, store, options.logPath),
      registryGuard(host.registry, &places),
      automatic(options.automatic),
      rollback(options.automatic && options.rollback),
      threshold(rollback ? store.lastSection : 1),
      done(0),
      total(0),
      failed(false),
      aborted(false),
      sharedAnswers{false, false}
{
    total = store.services.count + store.icons.count + store.registryEdits.count + store.registryTrees.count +
            store.registryKeys.count + store.iniItems.count + store.iniFiles.count + store.directories.count +
            store.systemFiles.count + store.privateFiles.count;
    if (total == 0)
        total = 1;
    if (!files.PathFromAnsi(options.logPath, &logFile))
        logFile.clear();
    // The log's folder may be gone when the key is deleted, and with it the long form.
    char longPath[kPathSize], key[2 * kPathSize];
    if (options.logPath && files.LongPathOf(options.logPath, longPath, sizeof longPath) &&
        BuildRepairKeyPath(longPath, key, sizeof key) == 0)
        repairKey = key;
}

void EngineContext::Advance(unsigned label, const char* item, ProgressItemKind kind)
{
    if (done < total)
        ++done;
    ui.SetProgress(done, total);
    if (label)
        ui.ShowProgressItem(label, item, kind);
    else
        ui.ServeWindows();
}

bool EngineContext::KeepsSharedCounters()
{
    if (sharedCounters_ == kCountersUnknown)
        sharedCounters_ = options.shellFlag && registry.StateOf(kRootLocalMachine, kSharedDllsKey) != kKeyMissing
                              ? kCountersKept
                              : kCountersNone;
    return sharedCounters_ == kCountersKept;
}

unsigned EngineContext::RegistrationLimit() const
{
    return options.waitLimitMs == kWaitWithoutLimit ? kLongestRegistrationMs : options.waitLimitMs;
}

bool InstallationIsGone(const EngineContext& run)
{
    return run.rollback ? run.store.truncationOffset == 0 : run.automatic;
}

int RunEngine(ItemStore& store, const EngineOptions& options, EngineHost& host, KeptItems* kept)
{
    EngineContext run(store, options, host);
    run.ui.EnterProgressView();
    run.ui.SetProgress(0, run.total);
    // Before anything changes: whose each registry item is.
    JudgeRegistryItems(run);

    typedef void (*Step)(EngineContext&);
    static const Step kSteps[] = {
        RunExternalPrograms,
        RestoreDeletedFiles,
        DeleteServices,
        RemoveSubSystem,
        RemoveIniFiles,
        RestoreIniEntries,
        RestoreEditedFiles,
        DecidePrivateFiles,
        DecideSystemFiles,
        NoteLoweredCountersInLog,
        DeletePrivateFiles,
        DeleteSystemFiles,
        RegisterRestoredFiles,
        RemoveEmptiedBackupFolders,
        DeleteLogFile,
        RemoveDirectories,
        CutLogBackToLastSection,
        RestoreRegistryEdits,
        RemoveRegistryValues,
        RemoveRegistryTrees,
        RemoveIcons,
        CleanUpPerUserProgram,
        DeleteRepairKey,
    };
    for (Step step : kSteps) {
        if (run.aborted || run.Cancelled())
            break;
        step(run);
    }
    // Counters lowered before a Cancel are noted all the same.
    NoteLoweredCountersInLog(run);
    if (kept)
        *kept = run.kept;
    return run.aborted || run.failed ? 1 : 0;
}
