#pragma once
// Keeps the engine's deletions and writes inside what the installation owns. Every path is
// first resolved on this system: its full path in long form (so that "C:\PROGRA~1" and
// "C:\App\..\WINDOWS" are known for what they are), and where it must lead: the same path with
// only the system's own links followed (those at or above a protected folder, such as a
// profile's Documents). A path whose folder leads elsewhere passes a link nobody vouches for
// and is refused; the file system's operations check once more where each entry leads as they
// open it (EngineFiles::RemoveFile).
//
// The path is then judged in both forms by the protected folders (ProtectedFolderRules.h), by
// what other installations own (OtherInstallations.h), and inside the Windows folder by whether
// the installation made the folder it lies in: a folder its log names, that is none of the
// system's, and that holds nothing its log does not list. A file the system ships
// (EngineFiles::IsSystemComponent) is never the installation's, wherever it lies.
//
// Paths are the file system's names (EngineHost.h).

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/KeptItems.h"
#include "uninstaller/app/OtherInstallations.h"
#include "uninstaller/app/ProtectedFolderRules.h"

struct ItemStore;

struct JudgedPath {
    std::string named;     // full, long form, without a trailing "\"
    std::string leadsTo;   // named with the system's own links followed
    bool link = false;     // (a folder) the path itself is a link
    KeepReason refusal = kKeptNothing;   // kKeptNothing when it may go ahead

    bool Allowed() const { return refusal == kKeptNothing; }
};

enum FileUse {
    kFileDelete,     // deleted (checked again as it is opened)
    kFileWrite,      // written, or put back from a backup
    kFileShortcut,   // written with a shortcut's data
    kFileBackup      // a backup, read and then deleted
};

class FolderGuard {
public:
    // ownLog (ANSI, may be null) is the log of this run: a folder holding it is no other
    // installation. installation (may be null) names the folders the log made and the files
    // it lists.
    FolderGuard(EngineFiles& files, const ProtectedFolderRules& folders, const char* ownLog = nullptr,
                const ItemStore* installation = nullptr);
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    // A folder whose files are searched with a pattern.
    JudgedPath Search(const std::string& folder);
    // A folder removed with what is below it (or, when it is a link, as a link).
    JudgedPath Tree(const std::string& folder);
    // A single file.
    JudgedPath File(const std::string& path, FileUse use);
    // An INI file whose entries are written: it leads where its name says and is no other
    // installation's, wherever it lies (which sections may be written is for the caller).
    JudgedPath IniFile(const std::string& path);
    // An entry met below a folder the guard allowed (its named form).
    KeepReason Entry(const std::string& path, bool folder);
    // A path the user chose (the log itself): resolved, and refused only when its folder leads
    // elsewhere.
    JudgedPath Chosen(const std::string& path);

    // A folder the log says the installation made is the installation's own: it may go with
    // its contents, is no link, and holds nothing the log does not list (or is gone).
    bool IsInstallationsFolder(const std::string& folder);
    // Another installation's log lists the file, or the file's folder holds such a log.
    bool OtherInstallationHas(const std::string& file);

private:
    KeepReason Resolve(const std::string& path, JudgedPath* judged);
    std::string LeadsTo(const std::string& named) const;
    std::string ResolvedFolder(const std::string& folder);
    // Allowed inside the Windows folder because the installation made the folder.
    bool MadeInWindows(const std::string& path);
    bool Qualifies(const std::string& made);
    bool HoldsOnlyListedFiles(const std::string& folder);
    void CollectInstallation();
    bool MaySearch(const std::string& folder);
    bool MayRemoveTree(const std::string& folder);
    KeepReason FileLocation(const std::string& path, FileUse use);
    // The entry itself is no link: it leads where its name says.
    bool LeadsWhereNamed(const JudgedPath& judged);

    EngineFiles& files_;
    ProtectedFolderRules rules_;
    std::vector<std::pair<std::string, std::string>> systemLinks_;   // named -> where it leads
    std::string ownLog_;
    OtherInstallations others_;
    std::map<std::string, std::string> resolvedFolders_;   // NameKey -> resolved
    const ItemStore* installation_;
    bool collected_ = false;
    std::vector<std::string> madeFolders_;                 // inside a Windows folder
    std::map<std::string, bool> qualified_;                // NameKey -> verdict
    std::set<std::string> listed_;                         // NameKey of every listed file
};
