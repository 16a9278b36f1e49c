#pragma once
// The repair's steps and the state they share during one run (see RepairRun.h).

#include <string>

#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/app/InstallationPlaces.h"
#include "uninstaller/app/KeptItems.h"
#include "uninstaller/app/RegistryGuard.h"
#include "uninstaller/app/RepairLists.h"
#include "uninstaller/app/RepairRun.h"
#include "uninstaller/app/SharedCount.h"

struct RepairContext {
    RepairContext(ItemStore& store, const RepairOptions& options, RepairHost& host);

    ItemStore& store;
    const RepairOptions& options;
    RepairSystem& system;
    EngineRegistry& registry;
    RepairUi& ui;
    EngineFiles& files;
    FolderGuard guard;
    InstallationPlaces places;
    RegistryGuard registryGuard;
    RepairLists lists;
    KeptItems kept;

    bool listWritten;
    bool failed;
    bool promptCancelled;             // the source prompt's Cancel
    SharedAnswerMemory newerAnswers;  // Yes to All and No to All of the newer-file prompt
    unsigned done;
    unsigned total;

    bool Stopped() { return promptCancelled || ui.Cancelled(); }
    // A logged item left unwritten: the repair fails, and its report says why.
    void Keep(const std::string& item, KeepReason reason)
    {
        failed = true;
        kept.Add(item, reason);
    }
    // One more item of the progress total.
    void Advance();
    // The "Source: " text of the section, or null.
    const char* SourceOf(Section section) const;
};

// Files: checked, listed for their source, shortcuts made again (RepairFiles.cpp).
void CheckLoggedFiles(RepairContext& run);

// Sources run with their lists, and what is left of the lists deleted (RepairSources.cpp).
void RunSources(RepairContext& run);
void DeleteRemainingLists(RepairContext& run);
