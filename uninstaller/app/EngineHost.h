#pragma once
// What the uninstall engine asks of its surroundings: the file system, the registry, the other
// system actions and the user interface. The program passes its Windows implementations
// (WindowsEngineFiles.h, WindowsEngineRegistry.h, WindowsEngineActions.h, ProgramEngineUi.h);
// tests pass fakes. Every rule of the engine lives on this side of the interfaces, so the
// interfaces stay dumb: each call is one system operation.
//
// Strings are ANSI, except the paths of EngineFiles: those carry the file system's own (UTF-16)
// names as UTF-8, so that no name changes on the way (a conversion to the ANSI code page maps
// characters it lacks to look-alikes: U+FF3C to "\", U+FF0E to "."). A log path is converted to
// them once, exactly (EngineFiles::PathFromAnsi). Functions that fill a buffer return false when
// they have no answer or the answer does not fit.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/app/ProtectedFolderRules.h"

struct IconRecord;

// Registry value types as the system numbers them.
enum RegistryValueType : unsigned {
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7
};

// Registry roots as the log numbers them.
enum RegistryRoot {
    kRootClassesRoot = 0,
    kRootCurrentUser = 1,
    kRootLocalMachine = 2,
    kRootUsers = 3,
    kRootCurrentConfig = 4
};

enum FileRemoval {
    kFileRemoved,     // deleted
    kFileScheduled,   // in use: deleted at the next restart
    kFileMissing,     // there was nothing to delete
    kFileKept,        // could be neither deleted nor scheduled
    kFileElsewhere    // the opened entry is not the one expected (a link on the way): untouched
};

enum EntryKind {
    kEntryMissing,
    kEntryFile,
    kEntryFolder,
    kEntryLink   // a junction or symbolic link (the link itself, not where it leads)
};

struct FoundEntry {
    const char* name;   // UTF-8; empty when the name has no exact UTF-8 form
    bool directory;
    bool link;   // a junction or symbolic link: never descended into
};

// Where a backup went when it was put back.
enum BackupCopy {
    kBackupCopied,        // the target holds the backup's contents
    kBackupAtRestart,     // the target is in use: a copy beside it replaces it at the next restart
    kBackupNotCopied,     // no copy could be made at all
    kBackupNotScheduled   // the target is in use and its replacement could not be scheduled
};

// Returns false to stop the enumeration.
typedef bool (*EntryVisitor)(void* context, const FoundEntry& entry);

class EngineFiles {
public:
    virtual ~EngineFiles() = default;

    // The log's and the program's ANSI texts.
    // The ANSI path in the file system's names; false when it has no exact form there (a
    // character of no meaning in the code page, or one that would come back as another).
    virtual bool PathFromAnsi(const char* ansi, std::string* path) = 0;
    // An existing file (not a folder), named in ANSI.
    virtual bool FileExists(const char* path) = 0;
    virtual bool ShortPathOf(const char* path, char* out, std::size_t size) = 0;
    virtual bool LongPathOf(const char* path, char* out, std::size_t size) = 0;
    // WritePrivateProfileString; a null value deletes the entry, a null item the whole section.
    virtual bool WriteIniEntry(const char* file, const char* section, const char* item, const char* value) = 0;
    // The names of the section's entries; none when the file or the section is missing.
    virtual void IniEntryNames(const char* file, const char* section, std::vector<std::string>* names) = 0;

    // The file system's names (UTF-8). Paths given to the functions that change something are
    // full and in their long form (CanonicalPathOf), or such a folder joined with a name found
    // in it; they are used exactly as given.
    virtual EntryKind KindOf(const char* path) = 0;
    // Deletes the entry at path (read-only or not) once it is known to be the one expected:
    // opened without following a link at its end, its final path (every link on the way
    // followed) must be leadsTo, else it is left (kFileElsewhere). A file in use is scheduled
    // for deletion at the next restart when the log allows it.
    virtual FileRemoval RemoveFile(const char* path, const char* leadsTo) = 0;
    // The same for an empty folder, or for a link to a folder (the link goes, not what it leads
    // to). False when it is still there.
    virtual bool RemoveFolder(const char* folder, const char* leadsTo) = 0;
    // Copies the backup over the target (at the next restart when the target is in use).
    virtual BackupCopy CopyBackup(const char* backup, const char* target) = 0;
    // Every entry that matches pattern (FindFirstFile), "." and ".." excluded.
    virtual void ForEachEntry(const char* pattern, EntryVisitor visit, void* context) = 0;
    virtual bool TruncateFile(const char* path, std::uint64_t length) = 0;
    virtual bool ReadWholeFile(const char* path, std::string* contents) = 0;
    // At most count bytes from the start of the file.
    virtual bool ReadFileStart(const char* path, std::size_t count, std::string* start) = 0;
    // Replaces the file's contents as one step: a failure leaves the old contents.
    virtual bool ReplaceWholeFile(const char* path, const std::string& contents) = 0;
    // The full path in long form, "." and ".." resolved, without a trailing "\".
    virtual bool CanonicalPathOf(const char* path, std::string* out) = 0;
    // The full path with every link and junction on the way followed, without a trailing "\";
    // for a path that does not exist, its deepest existing folder is resolved.
    virtual bool ResolvedPathOf(const char* path, std::string* out) = 0;
    // A file the system ships, whatever a log says of it: one the system protects, or a
    // program or library of the system's maker in the Windows folder.
    virtual bool IsSystemComponent(const char* path) = 0;
};

enum RegistryKeyState {
    kKeyMissing,   // cannot be opened
    kKeyEmpty,     // no values and no subkeys
    kKeyInUse      // holds values or subkeys
};

// A key is opened without following a link at its end: a link key is read, changed and
// deleted as itself, never as the key it leads to.
class EngineRegistry {
public:
    virtual ~EngineRegistry() = default;
    // False when the key or value is missing or the data does not fit size (in: the buffer's
    // size, out: the data's size).
    virtual bool ReadValue(int root, const char* key, const char* name, unsigned* type, unsigned char* data,
                           std::size_t* size) = 0;
    // Opens the key, or with create creates it when missing, and sets the value.
    virtual bool WriteValue(int root, const char* key, const char* name, unsigned type, const unsigned char* data,
                            std::size_t size, bool create) = 0;
    virtual bool DeleteValue(int root, const char* key, const char* name) = 0;
    virtual RegistryKeyState StateOf(int root, const char* key) = 0;
    // The name of the key's subkey number index (from 0); false when there is none or the key
    // cannot be opened.
    virtual bool SubkeyAt(int root, const char* key, unsigned index, char* name, std::size_t size) = 0;
    // The value number index of the key (from 0): its name, type and data (size in: the
    // buffer's size, out: the data's size). A value whose name or data does not fit is given
    // with type 0 and no data. False when there is none or the key cannot be opened.
    virtual bool ValueAt(int root, const char* key, unsigned index, char* name, std::size_t nameSize, unsigned* type,
                         unsigned char* data, std::size_t* size) = 0;
    // Deletes a key that has no subkeys, or a link key itself.
    virtual bool DeleteKey(int root, const char* key) = 0;
    // The key is a registry link.
    virtual bool IsLink(int root, const char* key) = 0;
};

enum WaitOutcome {
    kWaitFinished,
    kWaitNotStarted,
    kWaitGaveUp,   // still running when the time limit passed; no longer waited for
    kWaitCrashed   // ended by an exception
};

// No time limit for a wait.
const unsigned kWaitWithoutLimit = 0;
// The longest wait for a registration that has no limit of its own: registering code runs on
// the system's time, and a library that never returns must not hold the run.
const unsigned kLongestRegistrationMs = 60000;

class EngineActions {
public:
    virtual ~EngineActions() = default;
    // The program a service runs (its command line); false when there is no such service.
    virtual bool ServiceProgram(const char* name, char* program, std::size_t size) = 0;
    // Stops the service and deletes it; false when it could not be deleted.
    virtual bool DeleteService(const char* name) = 0;
    // Starts "program" arguments and waits until it ends, at most limitMs milliseconds.
    virtual WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs) = 0;
    // Starts a command line without waiting.
    virtual void StartProgram(const char* commandLine) = 0;
    // Calls the file's registering (or unregistering) entry point outside this process, waiting
    // at most limitMs milliseconds for it; one still running then is ended.
    virtual WaitOutcome SelfRegister(const char* path, bool registerIt, unsigned limitMs) = 0;
    virtual bool WindowOfClassExists(const char* className) = 0;
    // Comments out the file's "device=" line in SYSTEM.INI.
    virtual void RemoveDeviceLine(const char* path) = 0;
    // Program Manager icons.
    virtual bool ConnectProgramManager() = 0;
    virtual void RemoveIcon(const IconRecord& icon) = 0;
    virtual void DisconnectProgramManager() = 0;
};

enum SharedFileChoice { kChoiceYes, kChoiceNo, kChoiceYesToAll, kChoiceNoToAll };

enum ServerAnswer { kServerAbort, kServerRetry, kServerIgnore };

// How the item after a progress label is shown.
enum ProgressItemKind {
    kProgressPath,   // shortened with "..." to fit the progress text
    kProgressKey,    // a registry key, cut when long
    kProgressName
};

class EngineUi {
public:
    virtual ~EngineUi() = default;
    // The wizard's progress view (controls swapped, animation started).
    virtual void EnterProgressView() = 0;
    // done of total items: the bar shows it from its next repaint.
    virtual void SetProgress(unsigned done, unsigned total) = 0;
    // The progress text: string labelId followed by the item. Serves pending messages, which
    // is when a Cancel arrives.
    virtual void ShowProgressItem(unsigned labelId, const char* item, ProgressItemKind kind) = 0;
    virtual void ClearProgressText() = 0;
    // Serves pending messages when some time has passed since they were last served; cheap
    // otherwise. Long stretches of items without a progress text call it so that Cancel and
    // the animation are still answered.
    virtual void ServeWindows() = 0;
    // Serves messages for the given time.
    virtual void Wait(unsigned milliseconds) = 0;
    // The user confirmed Cancel.
    virtual bool Cancelled() = 0;
    // Text id of the string table (or its language override), shortened to size.
    virtual void LoadText(unsigned id, char* out, std::size_t size) = 0;
    // Never called in a silent run.
    virtual SharedFileChoice AskRemoveSharedFile(const char* message) = 0;
    virtual ServerAnswer AskToStopDatabaseServer() = 0;
};

struct EngineHost {
    EngineFiles& files;
    EngineRegistry& registry;
    EngineActions& actions;
    EngineUi& ui;
};

struct EngineOptions {
    bool automatic;   // else Custom: the wizard's selections decide
    bool rollback;    // only the last section is undone (ignored in a Custom run)
    bool silent;      // nobody is asked anything
    bool shellFlag;   // shared-file counters are kept by the system
    const char* logPath;
    // Folders never removed and never searched with a pattern.
    ProtectedFolderRules protectedFolders;
    // The longest wait for one program or registration; kWaitWithoutLimit waits until it ends.
    unsigned waitLimitMs = kWaitWithoutLimit;
};
