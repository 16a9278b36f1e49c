// The engine's steps for files, INI files and entries, directories and the log itself.
//
// Sections tell what a rollback may touch. A file record's backup section starts at the section
// of its first copy and moves only with a later backup, so a record without a backup whose
// backup section equals its last copy section was created by that copy.
#include <cstring>
#include <string>

#include "uninstaller/app/EngineSteps.h"

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

// progressLabel names the file while the user is asked about it.
SharedCountResult Decrement(EngineContext& run, const FileRecord& file, unsigned progressLabel)
{
    if (!run.Reaches(file.lastCountedCopySection))
        return kNotCounted;
    return DecrementSharedCount(run.registry, run.ui, CountRun(run, progressLabel), file.path, file.countedCopies,
                                &run.sharedAnswers);
}

// The system's own libraries register themselves with the system: a log never unregisters one,
// and the file stays.
bool MayRegister(EngineContext& run, FileRecord& file)
{
    if (!run.files.IsSystemComponent(file.path))
        return true;
    run.Keep(file.path, "a component of the system");
    file.path[0] = '\0';
    return false;
}

// A file on its way out is first unregistered and its driver taken out of SYSTEM.INI. A
// rollback does that only for files the last section created: an older version stays
// registered. A component of the system is neither unregistered nor deleted, whatever the log
// says of it.
void Unregister(EngineContext& run, FileRecord& file)
{
    if (!file.path[0] || (run.rollback && !CreatedByLastCopy(file)))
        return;
    if (run.Reaches(file.selfRegisterSection)) {
        if (!MayRegister(run, file))
            return;
        run.Show(kLabelRegistration, file.path);
        run.NoteWait(run.actions.SelfRegister(file.path, false, run.RegistrationLimit()),
                     (std::string("registration of ") + file.path).c_str());
    }
    if (run.Reaches(file.addDeviceSection))
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

void RestoreFromBackups(EngineContext& run, RecordTable<FileChangeRecord>& records)
{
    if (!run.rollback)
        return;
    for (unsigned i = 0; i < records.count && !run.Cancelled(); ++i) {
        const FileChangeRecord& record = *records[i];
        if (run.Reaches(record.section) && record.backupPath[0] && run.files.FileExists(record.backupPath))
            run.Note(RemoveFiles(run.files, run.guard, record.path, record.backupPath, true));
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
        run.Note(RemoveFiles(run.files, run.guard, file.path, file.backupPath, restore));
        run.Advance(systemFiles ? kLabelSystemFile : kLabelFile, file.path);
    }
}

void RegisterRestored(EngineContext& run, RecordTable<FileRecord>& files, bool systemFiles)
{
    for (unsigned i = 0; i < files.count && !run.Cancelled(); ++i) {
        FileRecord& file = *files[i];
        bool deleted = systemFiles ? SystemFileToDelete(run, file) : PrivateFileToDelete(run, file);
        if (deleted && HasBackupFrom(file, run.threshold) && run.Reaches(file.selfRegisterSection) &&
            MayRegister(run, file)) {
            run.Show(kLabelRegistration, file.path);
            run.NoteWait(run.actions.SelfRegister(file.path, true, run.RegistrationLimit()),
                         (std::string("registration of ") + file.path).c_str());
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
        run.Note(run.guard.MayDeleteFile(record.path) ? RemoveFileWithHelpIndex(run.files, record.path)
                                                       : kRemovalRefused);
    }
}

void RestoreIniEntries(EngineContext& run)
{
    RecordTable<IniItemRecord>& items = run.store.iniItems;
    for (unsigned i = 0; i < items.count && !run.Cancelled(); ++i) {
        const IniItemRecord& item = *items[i];
        if (!run.Taken(item.selected) || !run.Reaches(item.section) || !run.files.FileExists(item.file)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelIniEntry, item.file);
        const char* value = run.rollback ? item.latestOldValue : item.firstOldValue;
        run.files.WriteIniEntry(item.file, item.sectionName, item.itemName, value[0] ? value : nullptr);
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
    if (run.files.ReadWholeFile(run.options.logPath, &text) &&
        AddLogNotes(text, run.logNotes, &annotated, &run.store.truncationOffset))
        run.files.ReplaceWholeFile(run.options.logPath, annotated);
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

void DeleteLogFile(EngineContext& run)
{
    if (run.automatic && !run.rollback)
        run.files.RemoveFile(run.options.logPath);
}

void RemoveDirectories(EngineContext& run)
{
    RecordTable<DirectoryRecord>& directories = run.store.directories;
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
        run.Note(RemoveDirectoryTree(run.files, run.guard, folder, withFiles));
    }
}

void CutLogBackToLastSection(EngineContext& run)
{
    if (!run.rollback)
        return;
    if (run.store.truncationOffset != 0) {
        if (!run.files.TruncateFile(run.options.logPath, run.store.truncationOffset))
            run.failed = true;
    } else {
        run.files.RemoveFile(run.options.logPath);
    }
}
