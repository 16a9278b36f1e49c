#pragma once
// Where the installation's own programs and files are, for telling whose a registry item or a
// service is: the log's own folder, the folders the log made, and the files the log created.
// Folders the system protects (ProtectedFolderRules.h) are nobody's place, and a file the
// system ships (EngineFiles::IsSystemComponent) is not the installation's whatever the log says.
//
// The log's folder is taken in its long and short forms when the engine starts, while it
// still exists; the rest is compared by name, so that a place still counts after its files
// were deleted.

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/log/ItemStore.h"

class InstallationPlaces {
public:
    InstallationPlaces(EngineFiles& files, FolderGuard& guard, const ItemStore& store, const char* logPath);
    InstallationPlaces(const InstallationPlaces&) = delete;
    InstallationPlaces& operator=(const InstallationPlaces&) = delete;

    // The text (a path, a command line, a list of paths, or a bare file name of the System
    // folder) names a file or folder of the installation.
    bool Names(const char* text);

private:
    bool NamesPath(const std::string& path, bool wholeRun);
    bool NamesForm(const std::string& upper, bool wholeRun);
    bool IsCreatedFile(const std::string& upper);
    bool IsMadeFolder(const std::string& upper);
    void CollectFromLog();

    EngineFiles& files_;
    FolderGuard& guard_;
    const ItemStore& store_;
    std::unordered_set<std::string> logFolder_;   // upper-cased forms, without a trailing "\"
    bool collected_ = false;
    enum Judgement { kNotJudged, kPlace, kNoPlace };
    std::unordered_map<std::string, Judgement> madeFolders_;    // upper-cased, without a trailing "\"
    std::unordered_map<std::string, Judgement> createdFiles_;   // upper-cased
};
