#include "uninstaller/app/FileRemoval.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/log/NameCompare.h"

namespace {

const std::size_t kPathBuffer = kGuardPathSize;

bool HasWildcard(const char* text)
{
    return std::strpbrk(text, "*?") != nullptr;
}

bool Join(char* out, const char* folder, const char* name, const char* suffix = "")
{
    int written = std::snprintf(out, kPathBuffer, "%s\\%s%s", folder, name, suffix);
    return written > 0 && static_cast<std::size_t>(written) < kPathBuffer;
}

RemovalResult Worse(RemovalResult a, RemovalResult b)
{
    return a > b ? a : b;
}

RemovalResult FromRemoval(FileRemoval removal)
{
    return removal == kFileKept ? kRemovalFailed : kRemovalDone;
}

// Splits "folder\pattern" at its last "\"; false when the wildcards are not all in the last
// component.
bool SplitPattern(const char* path, char* folder, char* pattern)
{
    const char* last = std::strrchr(path, '\\');
    if (!last || static_cast<std::size_t>(last - path) >= kPathBuffer || std::strlen(last + 1) >= kPathBuffer)
        return false;
    std::memcpy(folder, path, last - path);
    folder[last - path] = '\0';
    std::strcpy(pattern, last + 1);
    return !HasWildcard(folder);
}

struct MatchDeletion {
    EngineFiles* files;
    const char* folder;
    RemovalResult result;
};

bool DeleteMatchingFile(void* context, const FoundEntry& entry)
{
    auto* deletion = static_cast<MatchDeletion*>(context);
    if (entry.directory)
        return true;
    char path[kPathBuffer];
    if (!Join(path, deletion->folder, entry.name)) {
        deletion->result = kRemovalFailed;
        return true;
    }
    deletion->result = Worse(deletion->result, RemoveFileWithHelpIndex(*deletion->files, path));
    return true;
}

RemovalResult DeleteMatchingFiles(EngineFiles& files, const char* folder, const char* pattern)
{
    char search[kPathBuffer];
    if (!Join(search, folder, pattern))
        return kRemovalFailed;
    MatchDeletion deletion{&files, folder, kRemovalDone};
    files.ForEachEntry(search, DeleteMatchingFile, &deletion);
    return deletion.result;
}

struct SubfolderWalk {
    EngineFiles* files;
    FolderGuard* guard;
    const char* folder;
    const char* pattern;   // "" or "\pattern"
    bool withFiles;
    RemovalResult result;
};

bool RemoveSubfolder(void* context, const FoundEntry& entry)
{
    auto* walk = static_cast<SubfolderWalk*>(context);
    if (!entry.directory || entry.link || entry.name[0] == '.')
        return true;
    char subfolder[kPathBuffer];
    if (!Join(subfolder, walk->folder, entry.name, walk->pattern)) {
        walk->result = Worse(walk->result, kRemovalFailed);
        return true;
    }
    // Another installation's folder is left whole, and with it the folders that hold it.
    if (walk->withFiles) {
        char plain[kPathBuffer];
        if (!Join(plain, walk->folder, entry.name) || walk->guard->HoldsOtherInstallation(plain))
            return true;
    }
    walk->result = Worse(walk->result, RemoveDirectoryTree(*walk->files, *walk->guard, subfolder, walk->withFiles));
    return true;
}

}  // namespace

RemovalResult RemoveFileWithHelpIndex(EngineFiles& files, const char* path)
{
    RemovalResult result = FromRemoval(files.RemoveFile(path));
    std::size_t length = std::strlen(path);
    if (length > 4 && length < kPathBuffer && EqualNoCase(path + length - 4, ".HLP")) {
        char index[kPathBuffer];
        std::strcpy(index, path);
        std::strcpy(index + length - 4, ".GID");
        result = Worse(result, FromRemoval(files.RemoveFile(index)));
        std::strcpy(index + length - 4, ".FTS");
        result = Worse(result, FromRemoval(files.RemoveFile(index)));
    }
    return result;
}

RemovalResult RemoveFiles(EngineFiles& files, FolderGuard& guard, const char* path, const char* backupPath,
                          bool restore)
{
    if (!IsAbsolutePath(path))
        return kRemovalRefused;
    if (HasWildcard(path)) {
        char folder[kPathBuffer], pattern[kPathBuffer];
        if (std::strlen(path) < 4 || !SplitPattern(path, folder, pattern) || files.IsLink(folder) ||
            !guard.MaySearch(folder))
            return kRemovalRefused;
        return DeleteMatchingFiles(files, folder, pattern);
    }
    // A file is only replaced by a backup that is there to put back; the system's own files are
    // never deleted without one.
    bool replaced = restore && backupPath[0];
    if (replaced && !files.FileExists(backupPath))
        return kRemovalFailed;
    if (!replaced && !guard.MayDeleteFile(path))
        return kRemovalRefused;
    RemovalResult result = RemoveFileWithHelpIndex(files, path);
    if (restore && backupPath[0] && !files.PutBackupBack(backupPath, path))
        result = kRemovalFailed;
    return result;
}

RemovalResult RemoveDirectoryTree(EngineFiles& files, FolderGuard& guard, const char* folder, bool withFiles)
{
    char base[kPathBuffer];
    char pattern[kPathBuffer + 1] = "\\*.*";
    if (HasWildcard(folder)) {
        char name[kPathBuffer];
        if (!SplitPattern(folder, base, name))
            return kRemovalRefused;
        std::snprintf(pattern, sizeof pattern, "\\%s", name);
    } else if (std::strlen(folder) < kPathBuffer) {
        std::strcpy(base, folder);
        std::size_t length = std::strlen(base);
        while (length > 3 && base[length - 1] == '\\')
            base[--length] = '\0';
    } else {
        return kRemovalRefused;
    }
    if (std::strlen(base) < 4)
        return kRemovalRefused;
    bool patterned = std::strcmp(pattern, "\\*.*") != 0;
    // A link named as the folder is removed as a link; what it points to stays.
    if (files.IsLink(base)) {
        if (patterned || !guard.MayRemoveLink(base))
            return kRemovalRefused;
        return files.RemoveFolder(base) ? kRemovalDone : kRemovalFailed;
    }
    if (!guard.MayRemoveTree(base) || (withFiles && guard.HoldsOtherInstallation(base)))
        return kRemovalRefused;

    char search[kPathBuffer];
    if (!Join(search, base, "*.*"))
        return kRemovalFailed;
    SubfolderWalk walk{&files, &guard, base, patterned ? pattern : "", withFiles, kRemovalDone};
    files.ForEachEntry(search, RemoveSubfolder, &walk);
    RemovalResult result = walk.result;
    if (withFiles)
        result = Worse(result, DeleteMatchingFiles(files, base, pattern + 1));
    files.RemoveFolder(base);
    return result;
}
