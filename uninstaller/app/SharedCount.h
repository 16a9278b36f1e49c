#pragma once
// The system's usage counters of shared files: values of HKLM
// "Software\Microsoft\Windows\CurrentVersion\SharedDLLs" named by the file's path.

#include "uninstaller/app/EngineHost.h"

extern const char kSharedDllsKey[];

enum SharedCountResult {
    kNotCounted = 0,     // no counter: the file is treated as any other
    kStillUsed = 1,      // keep the file
    kNoLongerUsed = 2    // the user agreed to remove it
};

// The shared-file question's "to All" answers, kept for the rest of the run.
struct SharedAnswerMemory {
    bool noToAll;
    bool yesToAll;
};

struct SharedCountRun {
    bool shellFlag;   // without it the system keeps no counters
    bool rollback;    // only the last section's copy is taken back
    bool silent;
    unsigned progressLabel;   // shown with the path while the question is up (0: nothing)
};

// The file has a counter above 0 (and the system keeps counters).
bool HasSharedCount(EngineRegistry& registry, const SharedCountRun& run, const char* path);

// Takes the file's copies off its counter: one in a rollback, else countedCopies. A counter
// still at 1 or more is written back and the file kept. One that reaches 0 is deleted; the
// file goes only when the user agrees (never in a silent run or after No to All; without
// asking after Yes to All). A counter that can be read but not written still keeps a file that
// other programs use.
SharedCountResult DecrementSharedCount(EngineRegistry& registry, EngineUi& ui, const SharedCountRun& run,
                                       const char* path, int countedCopies, SharedAnswerMemory* answers);
