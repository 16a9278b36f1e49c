#pragma once
// The engine's steps and the state they share during one run (see EngineRun.h).

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/FileRemoval.h"
#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/app/InstallationPlaces.h"
#include "uninstaller/app/KeptItems.h"
#include "uninstaller/app/LogNotes.h"
#include "uninstaller/app/RegistryGuard.h"
#include "uninstaller/app/SharedCount.h"
#include "uninstaller/log/ItemStore.h"

#include <string>

// String ids of the progress texts.
enum ProgressLabel {
    kLabelFile = 29,
    kLabelSystemFile = 30,
    kLabelDirectory = 31,
    kLabelEmptyDirectories = 32,
    kLabelIniFile = 33,
    kLabelIniEntry = 34,
    kLabelRegistryValue = 35,
    kLabelRegistryEdit = 36,
    kLabelIcon = 37,
    kLabelRegistration = 40,
    kLabelSubSystem = 44,
    kLabelRegistryTree = 56,
    kLabelProgram = 57,
    kLabelService = 58
};

struct EngineContext {
    EngineContext(ItemStore& store, const EngineOptions& options, EngineHost& host);

    ItemStore& store;
    const EngineOptions& options;
    EngineFiles& files;
    EngineRegistry& registry;
    EngineActions& actions;
    EngineUi& ui;
    FolderGuard guard;
    InstallationPlaces places;
    RegistryGuard registryGuard;

    bool automatic;
    bool rollback;
    Section threshold;   // the last section in a rollback, else 1
    unsigned done;
    unsigned total;
    bool failed;
    bool aborted;
    SharedAnswerMemory sharedAnswers;
    // The installation's Repair key, named after the log's long path while the log is there.
    std::string repairKey;
    std::vector<LogNote> logNotes;   // counters lowered, not yet noted in the log
    KeptItems kept;                  // what the log names and the run left, with the reason
    std::string logFile;             // the log in the file system's names; "" when it has none

    bool Cancelled() { return ui.Cancelled(); }
    // The system keeps shared-file counters: the run looks for their key once (it never makes
    // it), rather than once for every file.
    bool KeepsSharedCounters();
    bool Reaches(Section section) const { return section >= threshold; }
    // The default choice in an Automatic run, the user's selection in a Custom run.
    bool Taken(int selected) const { return automatic || selected; }
    // One more item of the progress total; with a label, the label and item are shown.
    void Advance(unsigned label = 0, const char* item = nullptr, ProgressItemKind kind = kProgressPath);
    void Show(unsigned label, const char* item, ProgressItemKind kind = kProgressPath)
    {
        ui.ShowProgressItem(label, item, kind);
    }
    // A logged item left in place: the run fails, and its report says why.
    void Keep(const std::string& item, KeepReason reason)
    {
        failed = true;
        kept.Add(item, reason);
    }
    void Note(const RemovalOutcome& outcome, const char* item)
    {
        if (outcome.result != kRemovalDone)
            Keep(item, outcome.reason != kKeptNothing ? outcome.reason : kKeptNotRemovable);
    }
    // The logged (ANSI) path in the file system's names; a path without an exact form there is
    // kept.
    bool PathOf(const char* logged, std::string* path)
    {
        if (files.PathFromAnsi(logged, path))
            return true;
        Keep(logged, kKeptNoExactName);
        return false;
    }
    // A program or registration still running at the time limit was given up on, or crashed.
    void NoteWait(WaitOutcome outcome, const std::string& what)
    {
        if (outcome == kWaitGaveUp)
            Keep(what, kKeptTimedOut);
        else if (outcome == kWaitCrashed)
            Keep(what, kKeptCrashed);
    }
    // The longest wait for one registration: registering code runs on the system's time.
    unsigned RegistrationLimit() const;

private:
    enum { kCountersUnknown, kCountersKept, kCountersNone } sharedCounters_ = kCountersUnknown;
};

// Programs, services, sub-system, icons and the per-user program (SystemSteps.cpp).
void RunExternalPrograms(EngineContext& run);
void DeleteServices(EngineContext& run);
void RemoveSubSystem(EngineContext& run);
void RemoveIcons(EngineContext& run);
void CleanUpPerUserProgram(EngineContext& run);

// Files, INI files and directories (FileSteps.cpp).
void RestoreDeletedFiles(EngineContext& run);
void RemoveIniFiles(EngineContext& run);
void RestoreIniEntries(EngineContext& run);
void RestoreEditedFiles(EngineContext& run);
void DecidePrivateFiles(EngineContext& run);
void DecideSystemFiles(EngineContext& run);
void NoteLoweredCountersInLog(EngineContext& run);
void DeletePrivateFiles(EngineContext& run);
void DeleteSystemFiles(EngineContext& run);
void RegisterRestoredFiles(EngineContext& run);
// A rollback's backups are gone once put back: their folders go when that left them empty.
void RemoveEmptiedBackupFolders(EngineContext& run);
void DeleteLogFile(EngineContext& run);
void RemoveDirectories(EngineContext& run);
void CutLogBackToLastSection(EngineContext& run);

// Registry (RegistrySteps.cpp).
void JudgeRegistryItems(EngineContext& run);
void RestoreRegistryEdits(EngineContext& run);
void RemoveRegistryValues(EngineContext& run);
void RemoveRegistryTrees(EngineContext& run);
void DeleteRepairKey(EngineContext& run);

// Steps 20 and 21 run when the whole installation is gone: an Automatic uninstall, or a rollback
// of the only section.
bool InstallationIsGone(const EngineContext& run);
