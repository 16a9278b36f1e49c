#pragma once
// What a repair asks of its surroundings: the files it checks, the list files and shortcuts it
// writes, the installation sources it runs, and the user. The program passes its Windows
// implementations (WindowsRepairSystem.h, ProgramRepairUi.h) and the engine's registry; tests
// pass fakes. Each call is one system operation; the rules live in RepairRun.
//
// Strings are ANSI.

#include <cstddef>
#include <cstdint>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/LinkInfo.h"
#include "uninstaller/app/RepairData.h"

enum FileLookup {
    kFileAbsent,       // no such file (or a folder)
    kFileUnreadable,   // there, but it cannot be opened for reading
    kFileReadable
};

struct FileFacts {
    LocalStamp written;   // last write, local time
    std::uint64_t size;
};

class RepairSystem {
public:
    virtual ~RepairSystem() = default;
    // facts is filled for a readable file.
    virtual FileLookup LookUpFile(const char* path, FileFacts* facts) = 0;
    // CRC-32 of the whole contents; false when they cannot be read.
    virtual bool FileCrc32(const char* path, std::uint32_t* crc) = 0;
    // Creates a new, empty temporary list file and names it in path.
    virtual bool CreateListFile(char* path, std::size_t size) = 0;
    virtual bool AppendToListFile(const char* listFile, const char* line) = 0;
    virtual void DeleteListFile(const char* listFile) = 0;
    // Writes the shortcut file, creating the folders it lies in.
    virtual bool SaveShortcut(const char* path, const ShortcutInfo& link) = 0;
    // Runs the source with "/X=" and the list file, and waits until it ends. False when it could
    // not be started or reported failure.
    virtual bool RunSource(const char* source, const char* listFile) = 0;
    // Calls the file's registering entry point.
    virtual void RegisterFile(const char* path) = 0;
};

class RepairUi {
public:
    virtual ~RepairUi() = default;
    // The wizard's progress view with the repair's heading; prompts take the repair's caption.
    virtual void EnterProgressView() = 0;
    virtual void SetProgress(unsigned done, unsigned total) = 0;
    // "Checking:" and the path as the progress text. Serves pending messages, which is when a
    // Cancel arrives.
    virtual void ShowChecking(const char* path) = 0;
    // Serves pending messages without a new text.
    virtual void ServeMessages() = 0;
    // The user confirmed Cancel.
    virtual bool Cancelled() = 0;
    // Text id of the string table (or its language override), shortened to size.
    virtual void LoadText(unsigned id, char* out, std::size_t size) = 0;
    // Whether to replace a file newer than the installed one. Never called in a silent run.
    virtual SharedFileChoice AskReplaceNewerFile(const char* message) = 0;
    // Asks where the source with this identity is, starting from path. True with the entered
    // path; false when the user cancelled. Never called in a silent run.
    virtual bool AskSourcePath(const char* identity, char* path, std::size_t size) = 0;
};

struct RepairHost {
    RepairSystem& system;
    EngineRegistry& registry;
    RepairUi& ui;
    EngineFiles& files;   // where shortcuts may be written
};
