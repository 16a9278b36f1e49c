#include "uninstaller/app/FolderGuard.h"

#include <algorithm>

#include "uninstaller/app/PathNames.h"
#include "uninstaller/log/ItemStore.h"

namespace {

// The log in its long form; "" when there is none or it has no exact name.
std::string LogOf(EngineFiles& files, const char* ownLog)
{
    std::string path, named;
    if (!ownLog || !ownLog[0] || !files.PathFromAnsi(ownLog, &path))
        return "";
    return files.CanonicalPathOf(path.c_str(), &named) ? named : path;
}

bool IsShortcutName(const std::string& path)
{
    return HasExtension(path, ".LNK") || HasExtension(path, ".PIF") || HasExtension(path, ".URL");
}

struct ListedCheck {
    const std::set<std::string>* listed;
    std::string folder;
    bool onlyListed;
    std::vector<std::string> subfolders;
};

bool CheckListedEntry(void* context, const FoundEntry& entry)
{
    auto* check = static_cast<ListedCheck*>(context);
    std::string path = JoinPath(check->folder, entry.name);
    if (!entry.name[0] || entry.link) {
        check->onlyListed = false;
    } else if (entry.directory) {
        check->subfolders.push_back(path);
    } else if (!check->listed->count(NameKey(path))) {
        check->onlyListed = false;
    }
    return check->onlyListed;
}

}  // namespace

FolderGuard::FolderGuard(EngineFiles& files, const ProtectedFolderRules& folders, const char* ownLog,
                         const ItemStore* installation)
    : files_(files), ownLog_(LogOf(files, ownLog)), others_(files, ownLog_), installation_(installation)
{
    for (const ProtectedFolder& folder : folders.Folders()) {
        rules_.Add(folder.path, folder.protection);
        std::string named, resolved;
        if (files_.CanonicalPathOf(folder.path.c_str(), &named))
            rules_.Add(named, folder.protection);
        else
            named = folder.path;
        if (!files_.ResolvedPathOf(named.c_str(), &resolved))
            continue;
        rules_.Add(resolved, folder.protection);
        named = WithoutTrailingBackslashes(named);
        resolved = WithoutTrailingBackslashes(resolved);
        if (!SameName(named, resolved))
            systemLinks_.emplace_back(named, resolved);
    }
    // The innermost link first.
    std::sort(systemLinks_.begin(), systemLinks_.end(),
              [](const std::pair<std::string, std::string>& a, const std::pair<std::string, std::string>& b) {
                  return a.first.size() > b.first.size();
              });
}

std::string FolderGuard::LeadsTo(const std::string& named) const
{
    for (const auto& link : systemLinks_)
        if (IsSameOrInside(named, link.first))
            return link.second + named.substr(link.first.size());
    return named;
}

std::string FolderGuard::ResolvedFolder(const std::string& folder)
{
    std::string key = NameKey(folder);
    auto known = resolvedFolders_.find(key);
    if (known != resolvedFolders_.end())
        return known->second;
    std::string resolved;
    if (!files_.ResolvedPathOf(folder.c_str(), &resolved))
        resolved = folder;
    resolved = WithoutTrailingBackslashes(resolved);
    resolvedFolders_[key] = resolved;
    return resolved;
}

KeepReason FolderGuard::Resolve(const std::string& path, JudgedPath* judged)
{
    if (!IsAbsolutePath(path.c_str()))
        return kKeptNotFullPath;
    std::string raw = WithoutTrailingBackslashes(path);
    if (!files_.CanonicalPathOf(raw.c_str(), &judged->named))
        judged->named = raw;
    judged->named = WithoutTrailingBackslashes(judged->named);
    if (!IsAbsolutePath(judged->named.c_str()) || IsRootFolder(judged->named.c_str()))
        return kKeptSystem;
    judged->leadsTo = LeadsTo(judged->named);
    // The folder it lies in must lead where its name says.
    std::string folder = ParentPath(judged->named);
    if (!IsRootFolder(folder.c_str()) && !SameName(ResolvedFolder(folder), ParentPath(judged->leadsTo)))
        return kKeptThroughLink;
    return kKeptNothing;
}

void FolderGuard::CollectInstallation()
{
    if (collected_)
        return;
    collected_ = true;
    if (!ownLog_.empty())
        listed_.insert(NameKey(ownLog_));
    if (!installation_)
        return;
    auto convert = [this](const char* ansi, std::string* path) {
        if (!ansi[0] || !files_.PathFromAnsi(ansi, path))
            return false;
        std::string named;
        if (path->find('~') != std::string::npos && files_.CanonicalPathOf(path->c_str(), &named))
            *path = named;
        *path = WithoutTrailingBackslashes(*path);
        return true;
    };
    std::string path;
    for (const RecordTable<FileRecord>* table : {&installation_->privateFiles, &installation_->systemFiles})
        for (unsigned i = 0; i < table->count; ++i)
            if (convert((*table)[i]->path, &path))
                listed_.insert(NameKey(path));
    for (unsigned i = 0; i < installation_->restoreOnlyFiles.count; ++i)
        if (convert(installation_->restoreOnlyFiles[i]->path, &path))
            listed_.insert(NameKey(path));
    for (unsigned i = 0; i < installation_->directories.count; ++i) {
        std::string named;
        if (!convert(installation_->directories[i]->path, &path) || path.find_first_of("*?") != std::string::npos)
            continue;
        if (!files_.CanonicalPathOf(path.c_str(), &named))
            named = path;
        named = WithoutTrailingBackslashes(named);
        const ProtectedFolder* holder = rules_.ContentsHolder(named);
        if (holder && holder->protection == kProtectWindowsFolder)
            madeFolders_.push_back(named);
    }
}

bool FolderGuard::HoldsOnlyListedFiles(const std::string& folder)
{
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        ListedCheck check{&listed_, pending.back(), true, {}};
        pending.pop_back();
        files_.ForEachEntry(JoinPath(check.folder, "*").c_str(), CheckListedEntry, &check);
        if (!check.onlyListed)
            return false;
        pending.insert(pending.end(), check.subfolders.begin(), check.subfolders.end());
    }
    return true;
}

// A folder the log made inside the Windows folder is the installation's when it is none of the
// system's folders, holds none, and holds nothing but what the log lists.
bool FolderGuard::Qualifies(const std::string& made)
{
    std::string key = NameKey(made);
    auto known = qualified_.find(key);
    if (known != qualified_.end())
        return known->second;
    const ProtectedFolder* holder = rules_.ContentsHolder(made);
    bool verdict = holder && holder->protection == kProtectWindowsFolder && !rules_.IsProtected(made) &&
                   !rules_.HoldsProtected(made) && files_.KindOf(made.c_str()) == kEntryFolder &&
                   HoldsOnlyListedFiles(made);
    qualified_[key] = verdict;
    return verdict;
}

bool FolderGuard::MadeInWindows(const std::string& path)
{
    const ProtectedFolder* holder = rules_.ContentsHolder(path);
    if (!holder || holder->protection != kProtectWindowsFolder)
        return false;
    CollectInstallation();
    for (const std::string& made : madeFolders_)
        if (IsSameOrInside(path, made) && Qualifies(made))
            return true;
    return false;
}

bool FolderGuard::MaySearch(const std::string& folder)
{
    return rules_.MaySearch(folder.c_str()) || (!rules_.IsProtected(folder) && MadeInWindows(folder));
}

bool FolderGuard::MayRemoveTree(const std::string& folder)
{
    return MaySearch(folder) && !rules_.HoldsProtected(folder);
}

KeepReason FolderGuard::FileLocation(const std::string& path, FileUse use)
{
    std::string folder = ParentPath(path);
    if (IsRootFolder(folder.c_str()))
        return kKeptSystem;
    if (rules_.ContentsHolder(path) && !MadeInWindows(path))
        return kKeptSystem;
    // Directly in a shared or user folder only the installation's shortcuts go or are made
    // again; nothing else there is written or taken as a backup.
    bool shortcut = (use == kFileDelete || use == kFileShortcut) && IsShortcutName(path);
    if (rules_.IsProtected(folder) && !shortcut)
        return kKeptSharedFolder;
    return kKeptNothing;
}

bool FolderGuard::LeadsWhereNamed(const JudgedPath& judged)
{
    std::string resolved;
    return !files_.ResolvedPathOf(judged.named.c_str(), &resolved) ||
           SameName(WithoutTrailingBackslashes(resolved), judged.leadsTo);
}

bool FolderGuard::OtherInstallationHas(const std::string& file)
{
    return others_.HoldsLog(ParentPath(file)) || others_.Owns(file);
}

JudgedPath FolderGuard::File(const std::string& path, FileUse use)
{
    JudgedPath judged;
    judged.refusal = Resolve(path, &judged);
    if (!judged.Allowed())
        return judged;
    // A write follows a link at the file's own name; a deletion checks that as it opens the file.
    if (use != kFileDelete && !LeadsWhereNamed(judged)) {
        judged.refusal = kKeptThroughLink;
        return judged;
    }
    for (const std::string* form : {&judged.named, &judged.leadsTo}) {
        judged.refusal = FileLocation(*form, use);
        if (!judged.Allowed())
            return judged;
    }
    // Inside the Windows folder only a folder the installation made is left to judge, and the
    // files there are its own whoever made them.
    if (!rules_.ContentsHolder(judged.named) && files_.IsSystemComponent(judged.named.c_str()))
        judged.refusal = kKeptSystem;
    else if (OtherInstallationHas(judged.named))
        judged.refusal = kKeptOtherInstallation;
    return judged;
}

JudgedPath FolderGuard::IniFile(const std::string& path)
{
    JudgedPath judged;
    judged.refusal = Resolve(path, &judged);
    if (judged.Allowed() && !LeadsWhereNamed(judged))
        judged.refusal = kKeptThroughLink;
    else if (judged.Allowed() && OtherInstallationHas(judged.named))
        judged.refusal = kKeptOtherInstallation;
    return judged;
}

JudgedPath FolderGuard::Search(const std::string& folder)
{
    JudgedPath judged;
    judged.refusal = Resolve(folder, &judged);
    if (!judged.Allowed())
        return judged;
    if (!SameName(ResolvedFolder(judged.named), judged.leadsTo))
        judged.refusal = kKeptThroughLink;
    else if (!MaySearch(judged.named) || !MaySearch(judged.leadsTo))
        judged.refusal = kKeptSystem;
    else if (others_.HoldsLog(judged.named) || others_.Owns(judged.named))
        judged.refusal = kKeptOtherInstallation;
    return judged;
}

JudgedPath FolderGuard::Tree(const std::string& folder)
{
    JudgedPath judged;
    judged.refusal = Resolve(folder, &judged);
    if (!judged.Allowed())
        return judged;
    judged.link = files_.KindOf(judged.named.c_str()) == kEntryLink ||
                  !SameName(ResolvedFolder(judged.named), judged.leadsTo);
    if (judged.link) {
        // Judged by its own name, not by where it leads: a protected folder that is a link stays.
        others_.LookAround(ParentPath(judged.named));
        if (!rules_.MaySearch(judged.named.c_str()))
            judged.refusal = kKeptSystem;
        else if (others_.Owns(judged.named))
            judged.refusal = kKeptOtherInstallation;
        return judged;
    }
    if (!MayRemoveTree(judged.named) || !MayRemoveTree(judged.leadsTo))
        judged.refusal = kKeptSystem;
    else if (others_.HoldsLog(judged.named) || others_.Owns(judged.named))
        judged.refusal = kKeptOtherInstallation;
    return judged;
}

KeepReason FolderGuard::Entry(const std::string& path, bool folder)
{
    if (folder ? others_.HoldsLog(path) || others_.Owns(path) : others_.Owns(path))
        return kKeptOtherInstallation;
    return kKeptNothing;
}

JudgedPath FolderGuard::Chosen(const std::string& path)
{
    JudgedPath judged;
    judged.refusal = Resolve(path, &judged);
    return judged;
}

bool FolderGuard::IsInstallationsFolder(const std::string& folder)
{
    JudgedPath judged = Tree(folder);
    if (!judged.Allowed() || judged.link)
        return false;
    switch (files_.KindOf(judged.named.c_str())) {
    case kEntryMissing:
        return true;
    case kEntryFolder:
        CollectInstallation();
        return HoldsOnlyListedFiles(judged.named);
    default:
        return false;
    }
}
