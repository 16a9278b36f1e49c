#pragma once
// Where the installation's own programs and files are, for telling whose a registry item or a
// service is: the log's own folder, the folders the log made, and the files the log created.
// Each is judged by the run's FolderGuard: a folder is a place of the installation only when
// the guard would let it go with its contents and it holds nothing the log does not list (a
// "Made Dir" of the system, of a shared folder, of another installation or of another product
// is nobody's place); a file the log created is not the installation's when the system ships
// it (EngineFiles::IsSystemComponent) or another installation's log lists it.
//
// The log's folder is taken in its long and short forms when the engine starts, while it
// still exists; the rest is compared by name, so that a place still counts after its files
// were deleted. Texts are the log's and the registry's (ANSI); they are compared in the file
// system's names (EngineHost.h).

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
    enum Judgement { kNotJudged, kPlace, kNoPlace };

    bool NamesPath(const std::string& text, bool wholeRun);
    bool NamesForm(const std::string& named, bool wholeRun);
    bool IsCreatedFile(const std::string& named);
    bool IsMadeFolder(const std::string& named);
    void CollectFromLog();

    EngineFiles& files_;
    FolderGuard& guard_;
    const ItemStore& store_;
    std::unordered_set<std::string> logFolder_;   // NameKey forms, without a trailing "\"
    bool collected_ = false;
    std::unordered_map<std::string, Judgement> madeFolders_;    // by NameKey, without a trailing "\"
    std::unordered_map<std::string, Judgement> createdFiles_;   // by NameKey
};
