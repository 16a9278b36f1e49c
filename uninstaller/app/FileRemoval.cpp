#include "uninstaller/app/FileRemoval.h"

#include <vector>

#include "uninstaller/app/PathNames.h"

namespace {

bool HasWildcard(const std::string& text)
{
    return text.find_first_of("*?") != std::string::npos;
}

RemovalOutcome FromRemoval(FileRemoval removal)
{
    RemovalOutcome outcome;
    if (removal == kFileKept)
        outcome.Add(kRemovalFailed, kKeptNotRemovable);
    else if (removal == kFileElsewhere)
        outcome.Add(kRemovalRefused, kKeptThroughLink);
    return outcome;
}

RemovalOutcome Refused(KeepReason why)
{
    RemovalOutcome outcome;
    outcome.Add(kRemovalRefused, why);
    return outcome;
}

// Splits "folder\pattern" at its last "\"; false when the wildcards are not all in the last
// component.
bool SplitPattern(const std::string& path, std::string* folder, std::string* pattern)
{
    std::size_t last = path.rfind('\\');
    if (last == std::string::npos)
        return false;
    *folder = path.substr(0, last);
    *pattern = path.substr(last + 1);
    return !HasWildcard(*folder);
}

// An entry below a judged folder: its name joined to both forms of the folder.
JudgedPath Below(const JudgedPath& folder, const std::string& name)
{
    JudgedPath entry;
    entry.named = JoinPath(folder.named, name);
    entry.leadsTo = JoinPath(folder.leadsTo, name);
    return entry;
}

struct Found {
    std::string name;
    bool directory;
    bool link;
};

bool CollectEntry(void* context, const FoundEntry& entry)
{
    static_cast<std::vector<Found>*>(context)->push_back(Found{entry.name, entry.directory, entry.link});
    return true;
}

std::vector<Found> EntriesOf(EngineFiles& files, const std::string& folder, const std::string& pattern)
{
    std::vector<Found> found;
    files.ForEachEntry(JoinPath(folder, pattern).c_str(), CollectEntry, &found);
    return found;
}

bool StopAtFirst(void* context, const FoundEntry&)
{
    *static_cast<bool*>(context) = true;
    return false;
}

bool IsEmptyFolder(EngineFiles& files, const std::string& folder)
{
    bool any = false;
    files.ForEachEntry(JoinPath(folder, "*").c_str(), StopAtFirst, &any);
    return !any;
}

// The files of folder that match pattern, each checked against what other installations own.
RemovalOutcome DeleteMatchingFiles(EngineFiles& files, FolderGuard& guard, const JudgedPath& folder,
                                   const std::string& pattern)
{
    RemovalOutcome outcome;
    for (const Found& entry : EntriesOf(files, folder.named, pattern)) {
        if (entry.directory)
            continue;
        if (entry.name.empty()) {
            outcome.Add(kRemovalFailed, kKeptNoExactName);
            continue;
        }
        JudgedPath file = Below(folder, entry.name);
        KeepReason refusal = guard.Entry(file.named, false);
        if (refusal != kKeptNothing)
            outcome.Add(kRemovalRefused, refusal);
        else
            outcome.Add(RemoveFileWithHelpIndex(files, file));
    }
    return outcome;
}

// A folder that could not be removed is a failure only when nothing is left in it: what is
// left has had its say (kept for a reason, or failed by itself).
RemovalOutcome RemoveEmptiedFolder(EngineFiles& files, const JudgedPath& folder)
{
    RemovalOutcome outcome;
    if (!files.RemoveFolder(folder.named.c_str(), folder.leadsTo.c_str()) &&
        files.KindOf(folder.named.c_str()) != kEntryMissing && IsEmptyFolder(files, folder.named))
        outcome.Add(kRemovalFailed, kKeptNotRemovable);
    return outcome;
}

// A link to a folder goes as a link, never followed.
RemovalOutcome RemoveLink(EngineFiles& files, const JudgedPath& link)
{
    RemovalOutcome outcome;
    if (!files.RemoveFolder(link.named.c_str(), link.leadsTo.c_str()))
        outcome.Add(kRemovalFailed, kKeptLink);
    return outcome;
}

struct Tree {
    std::vector<JudgedPath> folders;   // parents before their subfolders
    std::vector<JudgedPath> links;     // links to folders
    std::vector<JudgedPath> files;     // links to files among them
    RemovalOutcome outcome;
};

// Every folder, file and link to a folder below root that is not another installation's,
// without following any link.
void CollectTree(EngineFiles& files, FolderGuard& guard, const JudgedPath& root, Tree* tree)
{
    tree->folders.push_back(root);
    for (std::size_t next = 0; next < tree->folders.size(); ++next) {
        const JudgedPath folder = tree->folders[next];
        for (const Found& entry : EntriesOf(files, folder.named, "*")) {
            if (entry.name.empty()) {
                tree->outcome.Add(kRemovalFailed, kKeptNoExactName);
                continue;
            }
            JudgedPath below = Below(folder, entry.name);
            KeepReason refusal = guard.Entry(below.named, entry.directory);
            if (refusal != kKeptNothing) {
                tree->outcome.Add(kRemovalRefused, refusal);
            } else if (entry.directory) {
                (entry.link ? tree->links : tree->folders).push_back(below);
            } else {
                tree->files.push_back(below);
            }
        }
    }
}

}  // namespace

void RemovalOutcome::Add(RemovalResult added, KeepReason why)
{
    if (added > result) {
        result = added;
        reason = why;
    } else if (added == result && added != kRemovalDone && reason == kKeptNothing) {
        reason = why;
    }
}

RemovalOutcome RemoveFileWithHelpIndex(EngineFiles& files, const JudgedPath& file)
{
    RemovalOutcome outcome = FromRemoval(files.RemoveFile(file.named.c_str(), file.leadsTo.c_str()));
    if (HasExtension(file.named, ".HLP")) {
        for (const char* extension : {".GID", ".FTS"}) {
            JudgedPath index;
            index.named = file.named.substr(0, file.named.size() - 4) + extension;
            index.leadsTo = file.leadsTo.substr(0, file.leadsTo.size() - 4) + extension;
            outcome.Add(FromRemoval(files.RemoveFile(index.named.c_str(), index.leadsTo.c_str())));
        }
    }
    return outcome;
}

RemovalOutcome RemoveFiles(EngineFiles& files, FolderGuard& guard, const std::string& path,
                           const std::string& backupPath, bool restore)
{
    if (HasWildcard(path)) {
        std::string folder, pattern;
        if (path.size() < 4 || !SplitPattern(path, &folder, &pattern))
            return Refused(kKeptNotFullPath);
        JudgedPath judged = guard.Search(folder);
        if (!judged.Allowed())
            return Refused(judged.refusal);
        return DeleteMatchingFiles(files, guard, judged, pattern);
    }
    if (!restore || backupPath.empty()) {
        JudgedPath judged = guard.File(path, kFileDelete);
        return judged.Allowed() ? RemoveFileWithHelpIndex(files, judged) : Refused(judged.refusal);
    }

    // A file is only replaced by a backup that is there to put back, over a file that may be
    // written, from a backup that may be taken.
    JudgedPath target = guard.File(path, kFileWrite);
    if (!target.Allowed())
        return Refused(target.refusal);
    JudgedPath backup = guard.File(backupPath, kFileBackup);
    if (!backup.Allowed())
        return Refused(backup.refusal);
    RemovalOutcome outcome;
    if (files.KindOf(backup.named.c_str()) != kEntryFile) {
        outcome.Add(kRemovalFailed, kKeptNotRemovable);
        return outcome;
    }
    outcome.Add(RemoveFileWithHelpIndex(files, target));
    switch (files.CopyBackup(backup.named.c_str(), target.named.c_str())) {
    case kBackupCopied:
    case kBackupAtRestart:
        outcome.Add(RemoveFileWithHelpIndex(files, backup));
        break;
    case kBackupNotCopied:
        // Rather no file than the version the backup was to replace.
        RemoveFileWithHelpIndex(files, target);
        outcome.Add(kRemovalFailed, kKeptNotRemovable);
        break;
    case kBackupNotScheduled:
        outcome.Add(kRemovalFailed, kKeptNotRemovable);
        break;
    }
    return outcome;
}

RemovalOutcome RemoveDirectoryTree(EngineFiles& files, FolderGuard& guard, const std::string& folder,
                                   bool withFiles)
{
    std::string base = folder, pattern = "*";
    if (HasWildcard(folder) && !SplitPattern(folder, &base, &pattern))
        return Refused(kKeptNotFullPath);
    bool patterned = pattern != "*";
    JudgedPath root = guard.Tree(base);
    if (!root.Allowed())
        return Refused(root.refusal);
    // A link named as the folder is removed as a link; what it leads to stays.
    if (root.link)
        return patterned ? Refused(kKeptThroughLink) : RemoveLink(files, root);

    Tree tree;
    CollectTree(files, guard, root, &tree);
    RemovalOutcome outcome = tree.outcome;
    if (withFiles && patterned) {
        for (const JudgedPath& below : tree.folders)
            outcome.Add(DeleteMatchingFiles(files, guard, below, pattern));
    } else if (withFiles) {
        for (const JudgedPath& file : tree.files)
            outcome.Add(RemoveFileWithHelpIndex(files, file));
        for (const JudgedPath& link : tree.links)
            outcome.Add(RemoveLink(files, link));
    }
    for (auto below = tree.folders.rbegin(); below != tree.folders.rend(); ++below)
        outcome.Add(RemoveEmptiedFolder(files, *below));
    return outcome;
}
