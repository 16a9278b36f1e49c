#include "app/archive/FolderModel.h"

#include "app/archive/CaseFold.h"

namespace quillon {

namespace {

// The folder part of an entry name (before its last "/"); false when it has none.
bool SplitEntryName(std::string_view entryName, std::string_view& folder, std::string_view& name) {
    const size_t slash = entryName.rfind('/');
    if (slash == std::string_view::npos) return false;
    folder = entryName.substr(0, slash);
    name = entryName.substr(slash + 1);
    return true;
}

const std::vector<TFolderModel::TFolderEntry> kNoEntries;

}  // namespace

std::vector<TFolderModel::FolderId> TFolderModel::AddFolderPath(std::string_view entryName) {
    std::string_view folder, name;
    if (!SplitEntryName(entryName, folder, name)) return {};
    if (FindFolderOfEntry(folder) != kNoFolder) return {};
    return AddFolder(folder);
}

std::vector<TFolderModel::FolderId> TFolderModel::AddFolder(std::string_view folderPath) {
    std::vector<FolderId> added;
    if (FindFolder(folderPath) != kNoFolder) return added;
    FolderId parent = kNoFolder;
    size_t start = 0;
    for (;;) {
        const size_t slash = folderPath.find('/', start);
        const std::string_view prefix = folderPath.substr(0, slash);
        const uint64_t hash = HashIgnoringCase(prefix);
        FolderId folder = Lookup(prefix, hash);
        if (folder == kNoFolder) {
            // Spelled as its parent is, so that a path always extends its parent's path.
            const std::string_view component = folderPath.substr(start, slash == std::string_view::npos ? slash : slash - start);
            std::string path = parent == kNoFolder ? std::string() : folders_[parent].Path + "/";
            path += component;
            folder = Insert(std::move(path), hash, parent);
            added.push_back(folder);
        }
        if (slash == std::string_view::npos) return added;
        parent = folder;
        start = slash + 1;
    }
}

TFolderModel::FolderId TFolderModel::FindFolder(std::string_view folderPath) const {
    return Lookup(folderPath, HashIgnoringCase(folderPath));
}

TFolderModel::FolderId TFolderModel::FindParentFolder(std::string_view folderPath) const {
    const size_t slash = folderPath.rfind('/');
    return slash == std::string_view::npos ? kNoFolder : FindFolder(folderPath.substr(0, slash));
}

std::string_view TFolderModel::FolderName(FolderId folder) const {
    return EntryFileName(folders_[folder].Path);
}

std::vector<TFolderModel::FolderId> TFolderModel::RemoveFolderTree(std::string_view folderPath) {
    std::vector<FolderId> removed;
    const FolderId top = FindFolder(folderPath);
    if (top == kNoFolder) return removed;
    const std::string prefix = folders_[top].Path + "/";
    for (FolderId id = 0; id < folders_.size(); ++id) {
        Folder& folder = folders_[id];
        if (folder.Removed) continue;
        const bool below = folder.Path.size() > prefix.size() &&
                           EqualsIgnoringCase(std::string_view(folder.Path).substr(0, prefix.size()), prefix);
        if (id != top && !below) continue;
        folder.Removed = true;
        folder.Entries.clear();
        folder.Entries.shrink_to_fit();
        removed.push_back(id);
    }
    liveCount_ -= removed.size();
    lastFolder_ = kNoFolder;
    Rehash(slots_.size());
    return removed;
}

void TFolderModel::AddEntry(std::string_view entryName, const TRFAFile* file) {
    std::string_view folderPath, name;
    if (!SplitEntryName(entryName, folderPath, name)) return;
    FolderId folder = FindFolderOfEntry(folderPath);
    if (folder == kNoFolder) folder = AddFolder(folderPath).back();
    folders_[folder].Entries.push_back(TFolderEntry{std::string(name), file});
}

bool TFolderModel::RemoveEntry(std::string_view entryName) {
    std::string_view folderPath, name;
    if (!SplitEntryName(entryName, folderPath, name)) return false;
    const FolderId folder = FindFolderOfEntry(folderPath);
    if (folder == kNoFolder) return false;
    std::vector<TFolderEntry>& entries = folders_[folder].Entries;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (EqualsIgnoringCase(it->Name, name)) {
            entries.erase(it);
            return true;
        }
    }
    return false;
}

bool TFolderModel::RemoveEntry(std::string_view entryName, const TRFAFile* file) {
    std::string_view folderPath, name;
    if (!SplitEntryName(entryName, folderPath, name)) return false;
    const FolderId folder = FindFolderOfEntry(folderPath);
    if (folder == kNoFolder) return false;
    std::vector<TFolderEntry>& entries = folders_[folder].Entries;
    for (const bool exactCase : {true, false}) {
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->File == file && (exactCase ? it->Name == name : EqualsIgnoringCase(it->Name, name))) {
                entries.erase(it);
                return true;
            }
        }
    }
    return false;
}

const std::vector<TFolderModel::TFolderEntry>& TFolderModel::EntriesIn(FolderId folder) const {
    if (folder >= folders_.size() || folders_[folder].Removed) return kNoEntries;
    return folders_[folder].Entries;
}

void TFolderModel::Clear() {
    folders_.clear();
    slots_.clear();
    liveCount_ = 0;
    lastFolder_ = kNoFolder;
}

TFolderModel::FolderId TFolderModel::FindFolderOfEntry(std::string_view folderPath) {
    if (lastFolder_ != kNoFolder && folderPath == lastFolderPath_) return lastFolder_;
    const FolderId folder = FindFolder(folderPath);
    if (folder != kNoFolder) {
        lastFolder_ = folder;
        lastFolderPath_.assign(folderPath);
    }
    return folder;
}

TFolderModel::FolderId TFolderModel::Lookup(std::string_view path, uint64_t hash) const {
    if (slots_.empty()) return kNoFolder;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = size_t(hash) & mask;; slot = (slot + 1) & mask) {
        const FolderId folder = slots_[slot];
        if (folder == kNoFolder) return kNoFolder;
        const Folder& candidate = folders_[folder];
        if (candidate.Hash == hash && EqualsIgnoringCase(candidate.Path, path)) return folder;
    }
}

TFolderModel::FolderId TFolderModel::Insert(std::string path, uint64_t hash, FolderId parent) {
    // At most half full, so probes stay short and always reach an empty slot.
    if ((liveCount_ + 1) * 2 > slots_.size()) Rehash(slots_.empty() ? 64 : slots_.size() * 2);
    const FolderId folder = FolderId(folders_.size());
    folders_.push_back(Folder{std::move(path), hash, parent, false, {}});
    const size_t mask = slots_.size() - 1;
    size_t slot = size_t(hash) & mask;
    while (slots_[slot] != kNoFolder) slot = (slot + 1) & mask;
    slots_[slot] = folder;
    ++liveCount_;
    return folder;
}

void TFolderModel::Rehash(size_t slotCount) {
    slots_.assign(slotCount, kNoFolder);
    const size_t mask = slotCount - 1;
    for (FolderId id = 0; id < folders_.size(); ++id) {
        if (folders_[id].Removed) continue;
        size_t slot = size_t(folders_[id].Hash) & mask;
        while (slots_[slot] != kNoFolder) slot = (slot + 1) & mask;
        slots_[slot] = id;
    }
}

}  // namespace quillon
