// The engine's steps for files, INI files and entries, directories and the log itself.
//
// Sections tell what a rollback may touch. A file record's backup section starts at the section
// of its first copy and moves only with a later backup, so a record without a backup whose
// backup section equals its last copy section was created by that copy.
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/EngineSteps.h"
#include "uninstaller/app/PathNames.h"
#include "uninstaller/log/NameCompare.h"

namespace {

SharedCountRun CountRun(const EngineContext& run, unsigned progressLabel)
{
    return SharedCountRun{run.options.shellFlag, run.rollback, run.options.silent, progressLabel};
}

bool HasBackupFrom(const FileRecord& file, Section section)
{
    return file.backupPath[0] && file.backupSection == section;
}

bool CreatedByLastCopy(const FileRecord& file)
{
    return file.createdByInstallation && !file.backupPath[0] && file.backupSection == file.lastCopySection;
}

// What the last section (rollback) or the installation (otherwise) created, or what a rollback
// puts back. A rollback never deletes a file that was there before the last section.
bool TakenByDefault(const EngineContext& run, const FileRecord& file)
{
    if (!run.rollback)
        return file.createdByInstallation;
    return CreatedByLastCopy(file) || HasBackupFrom(file, run.threshold);
}

bool PrivateFileToDelete(const EngineContext& run, const FileRecord& file)
{
    return file.path[0] && run.Reaches(file.lastCopySection) &&
           (file.selected || (run.automatic && TakenByDefault(run, file)));
}

bool SystemFileToDelete(const EngineContext& run, const FileRecord& file)
{
    return file.path[0] && run.Reaches(file.lastCopySection) &&
           (file.selected || (run.rollback && HasBackupFrom(file, run.threshold)));
}

// A file the guard keeps (or, with kFileWrite, does not put back) whatever the user says.
bool IsRefused(EngineContext& run, const FileRecord& file, FileUse use = kFileDelete)
{
    std::string path;
    return !run.files.PathFromAnsi(file.path, &path) || !run.guard.File(path, use).Allowed();
}

// progressLabel names the file while the user is asked about it. Nobody is asked about a file
// the guard keeps anyway (the system's own, another installation's): it is kept as if the
// answer were No. Most files have no counter: the guard is only asked about those that do.
SharedCountResult Decrement(EngineContext& run, const FileRecord& file, unsigned progressLabel)
{
    SharedCountRun countRun = CountRun(run, progressLabel);
    if (!run.Reaches(file.lastCountedCopySection) || !run.KeepsSharedCounters() ||
        !HasSharedCount(run.registry, countRun, file.path))
        return kNotCounted;
    SharedAnswerMemory unasked{true, false};
    return DecrementSharedCount(run.registry, run.ui, countRun, file.path, file.countedCopies,
                                IsRefused(run, file) ? &unasked : &run.sharedAnswers);
}

// A file on its way out is first unregistered and its driver taken out of SYSTEM.INI. A
// rollback does that only for files the last section created: an older version stays
// registered. A file the guard keeps is not on its way out.
void Unregister(EngineContext& run, const FileRecord& file)
{
    bool registered = run.Reaches(file.selfRegisterSection), device = run.Reaches(file.addDeviceSection);
    if (!(registered || device) || !file.path[0] || (run.rollback && !CreatedByLastCopy(file)) ||
        IsRefused(run, file))
        return;
    if (registered) {
        run.Show(kLabelRegistration, file.path);
        run.NoteWait(run.actions.SelfRegister(file.path, false, run.RegistrationLimit()),
                     std::string("registration of ") + file.path);
    }
    if (device)
        run.actions.RemoveDeviceLine(file.path);
}

// Remembers for the log what this run took off the file's counter: the copies that no longer
// count, or, for a file kept for other programs, every copy of the run's sections.
void NoteCounterLowered(EngineContext& run, const FileRecord& file, bool kept)
{
    for (const FileCopyLine* line = file.copyLines; line; line = line->next) {
        if (!run.Reaches(line->section))
            continue;
        if (kept) {
            run.logNotes.push_back(LogNote{line->offset, kNoteKept});
        } else if (line->counted) {
            run.logNotes.push_back(LogNote{line->offset, kNoteNotCounted});
            if (run.rollback)
                return;   // a rollback takes one copy off: the newest
        }
    }
}

// A file other programs still use stays, unless a rollback puts its older version back.
void KeepStillUsedFile(EngineContext& run, FileRecord& file)
{
    bool kept = !(run.rollback && HasBackupFrom(file, run.threshold));
    NoteCounterLowered(run, file, kept);
    if (kept)
        file.path[0] = '\0';
}

// Deletes the file, or with restore puts its backup back in its place.
void RemoveLoggedFile(EngineContext& run, const char* path, const char* backupPath, bool restore)
{
    std::string file, backup;
    if (!run.PathOf(path, &file) || (restore && backupPath[0] && !run.PathOf(backupPath, &backup)))
        return;
    run.Note(RemoveFiles(run.files, run.guard, file, backup, restore), path);
}

// The log goes when the run is done with it; one left behind (a read-only drive) is no success.
void RemoveLog(EngineContext& run)
{
    JudgedPath log = run.guard.Chosen(run.logFile);
    if (run.logFile.empty() || !log.Allowed())
        run.Keep(run.options.logPath, run.logFile.empty() ? kKeptNoExactName : log.refusal);
    else
        run.Note(RemoveFileWithHelpIndex(run.files, log), run.options.logPath);
}

void RestoreFromBackups(EngineContext& run, RecordTable<FileChangeRecord>& records)
{
    if (!run.rollback)
        return;
    for (unsigned i = 0; i < records.count && !run.Cancelled(); ++i) {
        const FileChangeRecord& record = *records[i];
        if (run.Reaches(record.section) && record.backupPath[0] && run.files.FileExists(record.backupPath))
            RemoveLoggedFile(run, record.path, record.backupPath, true);
    }
}

void DeleteFiles(EngineContext& run, RecordTable<FileRecord>& files, bool systemFiles)
{
    for (unsigned i = 0; i < files.count && !run.Cancelled(); ++i) {
        FileRecord& file = *files[i];
        bool toDelete = systemFiles ? SystemFileToDelete(run, file) : PrivateFileToDelete(run, file);
        if (!toDelete) {
            run.Advance();
            continue;
        }
        bool restore = run.rollback && file.backupSection == run.threshold;
        RemoveLoggedFile(run, file.path, file.backupPath, restore);
        run.Advance(systemFiles ? kLabelSystemFile : kLabelFile, file.path);
    }
}

void RegisterRestored(EngineContext& run, RecordTable<FileRecord>& files, bool systemFiles)
{
    for (unsigned i = 0; i < files.count && !run.Cancelled(); ++i) {
        const FileRecord& file = *files[i];
        bool deleted = systemFiles ? SystemFileToDelete(run, file) : PrivateFileToDelete(run, file);
        if (deleted && HasBackupFrom(file, run.threshold) && run.Reaches(file.selfRegisterSection) &&
            !IsRefused(run, file, kFileWrite)) {
            run.Show(kLabelRegistration, file.path);
            run.NoteWait(run.actions.SelfRegister(file.path, true, run.RegistrationLimit()),
                         std::string("registration of ") + file.path);
        }
    }
}

}  // namespace

void RestoreDeletedFiles(EngineContext& run)
{
    RestoreFromBackups(run, run.store.fileDeletes);
}

void RestoreEditedFiles(EngineContext& run)
{
    RestoreFromBackups(run, run.store.fileEdits);
}

void RemoveIniFiles(EngineContext& run)
{
    RecordTable<IniFileRecord>& iniFiles = run.store.iniFiles;
    for (unsigned i = 0; i < iniFiles.count && !run.Cancelled(); ++i) {
        const IniFileRecord& record = *iniFiles[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.section)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelIniFile, record.path);
        std::string path;
        if (!run.PathOf(record.path, &path))
            continue;
        JudgedPath judged = run.guard.File(path, kFileDelete);
        if (judged.Allowed())
            run.Note(RemoveFileWithHelpIndex(run.files, judged), record.path);
        else
            run.Keep(record.path, judged.refusal);
    }
}

namespace {

std::string UpperText(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(UpperCaseOf(c));
    return upper;
}

std::string SectionKey(const char* file, const char* section)
{
    return UpperText(file) + "|" + UpperText(section);
}

// The entries the log records, by file and section.
typedef std::map<std::string, std::set<std::string>> LoggedIniEntries;

LoggedIniEntries EntriesOfLog(const RecordTable<IniItemRecord>& items)
{
    LoggedIniEntries entries;
    for (unsigned i = 0; i < items.count; ++i)
        entries[SectionKey(items[i]->file, items[i]->sectionName)].insert(UpperText(items[i]->itemName));
    return entries;
}

bool IsCreatedIniFile(const EngineContext& run, const char* file)
{
    for (unsigned i = 0; i < run.store.iniFiles.count; ++i)
        if (EqualNoCase(run.store.iniFiles[i]->path, file))
            return true;
    return false;
}

bool ContainsNoCase(const std::vector<std::string>& names, const char* name)
{
    for (const std::string& candidate : names)
        if (EqualNoCase(candidate.c_str(), name))
            return true;
    return false;
}

// An entry is written only into an INI file of the installation's, in a section that holds
// nothing but entries the log records: a section shared with others (WIN.INI's [windows]) or one
// that would first have to be made is not the installation's.
KeepReason IniEntryRefusal(EngineContext& run, const IniItemRecord& item, const LoggedIniEntries& logged)
{
    std::string path;
    if (!run.files.PathFromAnsi(item.file, &path))
        return kKeptNoExactName;
    JudgedPath judged = run.guard.IniFile(path);
    if (!judged.Allowed())
        return judged.refusal;
    if (!HasExtension(path, ".INI") && !IsCreatedIniFile(run, item.file))
        return kKeptNotOwnIni;
    std::vector<std::string> names;
    run.files.IniEntryNames(item.file, item.sectionName, &names);
    auto own = logged.find(SectionKey(item.file, item.sectionName));
    if (names.empty() || own == logged.end())
        return kKeptNotOwnIni;
    for (const std::string& name : names)
        if (!own->second.count(UpperText(name)))
            return kKeptNotOwnIni;
    return kKeptNothing;
}

}  // namespace

void RestoreIniEntries(EngineContext& run)
{
    RecordTable<IniItemRecord>& items = run.store.iniItems;
    const LoggedIniEntries logged = EntriesOfLog(items);
    for (unsigned i = 0; i < items.count && !run.Cancelled(); ++i) {
        const IniItemRecord& item = *items[i];
        if (!run.Taken(item.selected) || !run.Reaches(item.section) || !run.files.FileExists(item.file)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelIniEntry, item.file);
        const char* value = run.rollback ? item.latestOldValue : item.firstOldValue;
        std::vector<std::string> names;
        if (!value[0]) {
            run.files.IniEntryNames(item.file, item.sectionName, &names);
            if (!ContainsNoCase(names, item.itemName))
                continue;   // already gone (an earlier run took its section): nothing to delete
        }
        KeepReason refusal = IniEntryRefusal(run, item, logged);
        if (refusal != kKeptNothing) {
            run.Keep(std::string(item.file) + " [" + item.sectionName + "] " + item.itemName, refusal);
            continue;
        }
        if (value[0]) {
            run.files.WriteIniEntry(item.file, item.sectionName, item.itemName, value);
            continue;
        }
        run.files.WriteIniEntry(item.file, item.sectionName, item.itemName, nullptr);
        // The section held only the log's entries (see IniEntryRefusal): emptied by them, it goes.
        run.files.IniEntryNames(item.file, item.sectionName, &names);
        if (names.empty())
            run.files.WriteIniEntry(item.file, item.sectionName, nullptr, nullptr);
    }
}

void DecidePrivateFiles(EngineContext& run)
{
    RecordTable<FileRecord>& files = run.store.privateFiles;
    for (unsigned i = files.count; i-- > 0 && !run.Cancelled();) {
        run.ui.ServeWindows();
        FileRecord& file = *files[i];
        if (!run.Reaches(file.lastCopySection))
            continue;
        bool taken = file.selected ||
                     (run.automatic && (file.createdByInstallation || (run.rollback && file.backupPath[0])));
        if (!taken)
            continue;
        SharedCountResult result = Decrement(run, file, kLabelFile);
        if (result == kStillUsed) {
            KeepStillUsedFile(run, file);
            continue;
        }
        if (result == kNoLongerUsed)
            NoteCounterLowered(run, file, false);
        Unregister(run, file);
    }
}

void DecideSystemFiles(EngineContext& run)
{
    RecordTable<FileRecord>& files = run.store.systemFiles;
    for (unsigned i = files.count; i-- > 0 && !run.Cancelled();) {
        run.ui.ServeWindows();
        FileRecord& file = *files[i];
        if (!run.Reaches(file.lastCopySection))
            continue;
        // The log's "not a system file" preselection covers what the last section created.
        if (run.rollback && !CreatedByLastCopy(file))
            file.selected = 0;
        SharedCountResult result = kNotCounted;
        if (file.selected || run.options.shellFlag)
            result = Decrement(run, file, kLabelSystemFile);
        if (result == kStillUsed) {
            KeepStillUsedFile(run, file);
        } else if (result == kNoLongerUsed) {
            NoteCounterLowered(run, file, false);
            file.selected = 1;
        }
        if (file.selected && result != kStillUsed)
            Unregister(run, file);
    }
}

void NoteLoweredCountersInLog(EngineContext& run)
{
    if (run.logNotes.empty())
        return;
    std::string text, annotated;
    if (!run.logFile.empty() && run.files.ReadWholeFile(run.logFile.c_str(), &text) &&
        AddLogNotes(text, run.logNotes, &annotated, &run.store.truncationOffset))
        run.files.ReplaceWholeFile(run.logFile.c_str(), annotated);
    run.logNotes.clear();
}

void DeletePrivateFiles(EngineContext& run)
{
    DeleteFiles(run, run.store.privateFiles, false);
}

void DeleteSystemFiles(EngineContext& run)
{
    DeleteFiles(run, run.store.systemFiles, true);
}

void RegisterRestoredFiles(EngineContext& run)
{
    if (!run.rollback)
        return;
    RegisterRestored(run, run.store.privateFiles, false);
    RegisterRestored(run, run.store.systemFiles, true);
}

namespace {

// The folder of a backup this rollback put back, when it lies below a folder of the
// installation (a folder its log names, the log's own among them).
void AddBackupFolder(const EngineContext& run, const char* backupPath, std::vector<std::string>* folders)
{
    const char* name = std::strrchr(backupPath, '\\');
    if (!name)
        return;
    std::string folder(backupPath, name);
    for (unsigned i = 0; i < run.store.directories.count; ++i) {
        std::string made = run.store.directories[i]->path;
        if (!made.empty() && made.back() != '\\')
            made += '\\';
        if (folder.size() >= made.size() && StartsWithNoCase(folder.c_str(), made.c_str())) {
            for (const std::string& added : *folders)
                if (EqualNoCase(added.c_str(), folder.c_str()))
                    return;
            folders->push_back(folder);
            return;
        }
    }
}

}  // namespace

void RemoveEmptiedBackupFolders(EngineContext& run)
{
    if (!run.rollback)
        return;
    std::vector<std::string> folders;
    for (RecordTable<FileRecord>* files : {&run.store.privateFiles, &run.store.systemFiles})
        for (unsigned i = 0; i < files->count; ++i)
            if (HasBackupFrom(*(*files)[i], run.threshold))
                AddBackupFolder(run, (*files)[i]->backupPath, &folders);
    for (RecordTable<FileChangeRecord>* changes : {&run.store.fileDeletes, &run.store.fileEdits})
        for (unsigned i = 0; i < changes->count; ++i)
            if (run.Reaches((*changes)[i]->section) && (*changes)[i]->backupPath[0])
                AddBackupFolder(run, (*changes)[i]->backupPath, &folders);
    // Only what is empty goes, and only where the guard allows; a folder that stays is no loss.
    for (const std::string& folder : folders) {
        std::string path;
        if (run.files.PathFromAnsi(folder.c_str(), &path) && run.files.KindOf(path.c_str()) == kEntryFolder)
            RemoveDirectoryTree(run.files, run.guard, path, false);
    }
}

void DeleteLogFile(EngineContext& run)
{
    if (run.automatic && !run.rollback)
        RemoveLog(run);
}

void RemoveDirectories(EngineContext& run)
{
    RecordTable<DirectoryRecord>& directories = run.store.directories;
    // Folders that stayed only because a later record's tree was still in them.
    std::vector<std::pair<std::string, std::string>> leftBehind;   // logged, named
    for (unsigned i = 0; i < directories.count && !run.Cancelled(); ++i) {
        const DirectoryRecord& record = *directories[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.namedSection)) {
            run.Advance();
            continue;
        }
        bool withFiles = !run.automatic || run.Reaches(record.fileTreeSection);
        char folder[kPathSize];
        std::strcpy(folder, record.path);
        std::size_t length = std::strlen(folder);
        if (length && folder[length - 1] == '\\')
            folder[length - 1] = '\0';
        run.Advance(withFiles ? kLabelDirectory : kLabelEmptyDirectories, folder);
        std::string path;
        if (!run.PathOf(folder, &path))
            continue;
        RemovalOutcome outcome = RemoveDirectoryTree(run.files, run.guard, path, withFiles);
        run.Note(outcome, folder);
        if (outcome.result == kRemovalDone && !std::strpbrk(folder, "*?") &&
            run.files.KindOf(path.c_str()) != kEntryMissing)
            leftBehind.emplace_back(folder, path);
    }
    for (auto folder = leftBehind.rbegin(); folder != leftBehind.rend() && !run.Cancelled(); ++folder)
        if (run.files.KindOf(folder->second.c_str()) != kEntryMissing)
            run.Note(RemoveDirectoryTree(run.files, run.guard, folder->second, false), folder->first.c_str());
}

void CutLogBackToLastSection(EngineContext& run)
{
    if (!run.rollback)
        return;
    if (run.store.truncationOffset != 0) {
        if (run.logFile.empty() || !run.files.TruncateFile(run.logFile.c_str(), run.store.truncationOffset))
            run.Keep(run.options.logPath, kKeptNotRemovable);
    } else {
        RemoveLog(run);
    }
}
