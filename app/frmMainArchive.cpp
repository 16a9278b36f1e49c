// The main window's archive: reading the directory into the entry list, the folder tree and
// the file list with its icons and sort order, and extracting an entry.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/ReplacingExtraction.h"
#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/FileListSort.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFile.h"
#include "app/frmMainQuillon.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Registry.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/navigation/MwTreeView.h"

using quillon::TRFAFile;

void TfrmMainQuillon::OpenArchiveFile(const std::string& path) {
    // Read first: the archive shown, and the build list, stay until the new one can be shown.
    const quillon::TRFADirectory directory = ReadArchiveDirectory(path);
    OpenDialog1->SetFileName(path);
    ClearBuildList();
    SetCaption(std::string(kMainWindowCaption) + " - " + cl::ExtractFileName(path));
    try {
        ShowArchiveDirectory(directory);
    } catch (...) {
        // The window shows no archive then, and its caption says so.
        SetCaption(kMainWindowCaption);
        throw;
    }
}

void TfrmMainQuillon::LoadArchive() { ShowArchiveDirectory(ReadArchiveDirectory(OpenDialog1->FileName())); }

quillon::TRFADirectory TfrmMainQuillon::ReadArchiveDirectory(const std::string& path) {
    const cl::TScopedCursor hourglass;
    // The whole directory is read and checked before anything is shown, so a damaged archive
    // leaves no half-filled tree or list behind.
    return quillon::ReadRFADirectory(path);
}

void TfrmMainQuillon::ShowArchiveDirectory(const quillon::TRFADirectory& directory) {
    const cl::TScopedCursor hourglass;
    tvFolders->BeginUpdate();
    try {
        cl::Application()->ProcessMessages();
        pbAction->SetPercent(0);
        const uint32_t count = static_cast<uint32_t>(directory.Entries.size());
        // The folders' nodes are made once all folders are known, each folder's children in
        // one batch.
        std::vector<quillon::TFolderModel::FolderId> newFolders;
        for (uint32_t i = 0; i < count; ++i) {
            const quillon::TRFADirectoryEntry& entry = directory.Entries[i];
            for (const quillon::TFolderModel::FolderId folder : Folders.AddFolderPath(entry.Name)) newFolders.push_back(folder);
            AddEntry(std::string(entry.Name), entry.ArchiveSize, directory.DirectoryOffset, entry.DataOffset, i, entry.Size);
            pbAction->SetPercent(static_cast<int>(uint64_t(i) * 100 / count));
        }
        AddFolderNodes(newFolders);
        pbAction->SetPercent(0);
        ArchiveEntryCount = Entries->Count();
    } catch (...) {
        tvFolders->EndUpdate();
        throw;
    }
    tvFolders->EndUpdate();
}

void TfrmMainQuillon::AddFolderPath(const std::string& entryName) { AddFolderNodes(Folders.AddFolderPath(entryName)); }

void TfrmMainQuillon::AddFolderNodes(const std::vector<quillon::TFolderModel::FolderId>& folders) {
    if (folders.empty()) return;
    // By parent, the top level first: a folder's id is above its parent's, so every parent's
    // node is made before its children's batch.
    using quillon::TFolderModel;
    std::vector<std::pair<uint64_t, TFolderModel::FolderId>> byParent;  // (parent + 1 or 0, folder)
    byParent.reserve(folders.size());
    TFolderModel::FolderId last = 0;
    for (const TFolderModel::FolderId folder : folders) {
        const TFolderModel::FolderId parent = Folders.ParentFolder(folder);
        byParent.emplace_back(parent == TFolderModel::kNoFolder ? 0 : uint64_t(parent) + 1, folder);
        last = std::max(last, folder);
    }
    std::stable_sort(byParent.begin(), byParent.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (FolderNodes.size() <= last) FolderNodes.resize(last + 1, nullptr);
    std::vector<std::string> names;
    for (size_t start = 0; start < byParent.size();) {
        size_t end = start;
        names.clear();
        for (; end < byParent.size() && byParent[end].first == byParent[start].first; ++end)
            names.emplace_back(Folders.FolderName(byParent[end].second));
        const std::vector<cl::TTreeNode*> nodes =
            tvFolders->AddChildren(FindParentFolderNode(Folders.FolderPath(byParent[start].second)), names, 0, 1);
        for (size_t i = start; i < end; ++i) FolderNodes[byParent[i].second] = nodes[i - start];
        start = end;
    }
}

cl::TTreeNode* TfrmMainQuillon::FindParentFolderNode(const std::string& folderPath) const {
    const quillon::TFolderModel::FolderId parent = Folders.FindParentFolder(folderPath);
    return parent == quillon::TFolderModel::kNoFolder || parent >= FolderNodes.size() ? nullptr : FolderNodes[parent];
}

std::string TfrmMainQuillon::NodeFolderPath(const cl::TTreeNode* node) {
    std::string path;
    for (; node; node = node->Parent()) path = node->Text() + (path.empty() ? "" : "/" + path);
    return path;
}

void TfrmMainQuillon::AddEntry(const std::string& name, uint32_t archiveSize, uint32_t directoryOffset, uint32_t dataOffset,
                               uint32_t index, uint32_t size) {
    TRFAFile* file = ArchiveFiles.Add(quillon::MakeRFAFile(name, archiveSize, directoryOffset, dataOffset, index, size));
    Entries->AddObject(name, file);
    Folders.AddEntry(name, file);
}

void TfrmMainQuillon::tvFoldersChange(cl::TObject*, cl::TTreeNode* node) {
    lvFiles->BeginUpdate();
    try {
        const std::string path = NodeFolderPath(node);
        CurrentFolder = path + "/";
        lvFiles->ClearItems();
        ShownItem = nullptr;
        const quillon::TFolderModel::FolderId folder = node ? Folders.FindFolder(path) : quillon::TFolderModel::kNoFolder;
        if (folder != quillon::TFolderModel::kNoFolder) {
            for (const quillon::TFolderModel::TFolderEntry& entry : Folders.EntriesIn(folder)) {
                cl::TListItem* item = lvFiles->AddItem();
                if (!entry.File) {
                    item->SetCaption(entry.Name);  // "*" and the name of a file added for the next build
                    continue;
                }
                int image = 0;
                try {
                    image = IconIndexForExt(entry.File->FileName);
                } catch (...) {
                }
                item->SetImageIndex(image);
                item->SetCaption(entry.File->FileName);
                // The item stands for this entry, not for its name: a folder may list one name twice.
                item->SetData(const_cast<TRFAFile*>(entry.File));
                item->SubItems().Add(cl::IntToStr(entry.File->Size));
                item->SubItems().Add(cl::IntToStr(entry.File->ArchiveSize));
                item->SubItems().Add(cl::IntToStr(entry.File->DataOffset));
            }
        }
    } catch (...) {
        lvFiles->EndUpdate();
        throw;
    }
    lvFiles->EndUpdate();
}

int TfrmMainQuillon::IconIndexForExt(const std::string& fileName) {
    const std::string extension = cl::ExtractFileExt(fileName);
    if (const int cached = IconCache->IndexOf(extension); cached >= 0) return static_cast<int>(IconCache->Integers(cached));

    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    std::string defaultIcon;
    if (registry.OpenKeyReadOnly("\\" + extension)) {
        const std::string className = registry.ReadString("");
        registry.CloseKey();
        if (registry.OpenKeyReadOnly("\\" + className + "\\DefaultIcon")) defaultIcon = registry.ReadString("");
    }
    if (defaultIcon.empty()) {
        IconCache->AddInteger(extension, 0);
        return 0;
    }
    // "path,index": a value without a number after the comma raises here and is not cached.
    const size_t comma = defaultIcon.find(',');
    const int iconIndex = cl::StrToInt(comma == std::string::npos ? std::string() : defaultIcon.substr(comma + 1));
    std::string iconFile = defaultIcon.substr(0, comma);
    if (iconFile.size() >= 2 && iconFile.front() == '"' && iconFile.back() == '"') iconFile = iconFile.substr(1, iconFile.size() - 2);
    char expanded[MAX_PATH * 2];
    if (ExpandEnvironmentStringsA(iconFile.c_str(), expanded, sizeof(expanded)) - 1 < sizeof(expanded)) iconFile = expanded;

    HICON largeIcon = nullptr, smallIcon = nullptr;
    ExtractIconExA(iconFile.c_str(), iconIndex, &largeIcon, &smallIcon, 1);
    cl::TIconHandle large(largeIcon), small(smallIcon);
    const int index = large && small ? AddShellIcons(large.Get(), small.Get()) : 0;
    IconCache->AddInteger(extension, index);
    return index;
}

int TfrmMainQuillon::AddShellIcons(HICON large, HICON small) {
    // The shell's icons follow the screen's DPI (48 pixels at 150 %): drawn into the lists at
    // their size, not cut to it.
    ilSmall->AddIcon(small);
    return ilLarge->AddIcon(large);
}

void TfrmMainQuillon::lvFilesColumnClick(cl::TObject*, cl::TListColumn* column) {
    SortColumn = column->Index();
    column->SetTag(column->Tag() == 0 ? 1 : 0);
    lvFiles->CustomSort(0);
}

void TfrmMainQuillon::lvFilesCompare(cl::TObject*, cl::TListItem* item1, cl::TListItem* item2, int, int& compare) {
    auto sortText = [this](cl::TListItem* item) -> std::string {
        if (SortColumn == 0) return item->Caption();
        const int subItem = SortColumn - 1;
        return subItem < item->SubItems().Count() ? item->SubItems()[subItem] : std::string();
    };
    compare = quillon::CompareFileListTexts(sortText(item1), sortText(item2), SortColumn, lvFiles->Column(SortColumn)->Tag());
}

void TfrmMainQuillon::lvFilesChanging(cl::TObject*, cl::TListItem*, cl::TItemChange, bool&) {}

namespace {

// The decoder's target for a text: appended to a string, with room for the whole entry made
// at once (the entry's size bounds the output).
class TTextTarget : public cl::TStream {
public:
    TTextTarget(std::string& text, size_t expected) : text_(text) { text_.reserve(expected); }
    size_t Read(void*, size_t) override { throw cl::EReadError("Stream read error"); }
    size_t Write(const void* buffer, size_t count) override {
        text_.append(static_cast<const char*>(buffer), count);
        return count;
    }
    int64_t Seek(int64_t offset, cl::SeekOrigin origin) override {
        if (offset != 0 || origin == cl::SeekOrigin::Beginning) throw cl::EStreamError("Stream seek error");
        return static_cast<int64_t>(text_.size());
    }

private:
    std::string& text_;
};

}  // namespace

std::string TfrmMainQuillon::DecodeEntryText() {
    cl::TFileStream file(OpenDialog1->FileName(), cl::FileMode::OpenRead);
    quillon::TArchiveInput archive(file, OpenDialog1->FileName());
    std::string text;
    TTextTarget target(text, CurrentEntry->Size);
    CurrentEntry->SegmentCount = quillon::DecodeEntry(archive, *CurrentEntry, target);
    return text;
}

void TfrmMainQuillon::ExtractEntry(const std::string& targetPath, const std::function<void(uint64_t)>& progress) {
    CurrentEntry->SegmentCount =
        quillon::ExtractEntryReplacing(OpenDialog1->FileName(), *CurrentEntry, targetPath, progress);
}
