#pragma once
// The engine's file operations on this system: the file system's names through the UTF-16
// functions, the log's and the program's ANSI texts through the ANSI ones.

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/SystemComponents.h"

class WindowsEngineFiles : public EngineFiles {
public:
    bool PathFromAnsi(const char* ansi, std::string* path) override;
    bool FileExists(const char* path) override;
    bool ShortPathOf(const char* path, char* out, std::size_t size) override;
    bool LongPathOf(const char* path, char* out, std::size_t size) override;
    bool WriteIniEntry(const char* file, const char* section, const char* item, const char* value) override;
    void IniEntryNames(const char* file, const char* section, std::vector<std::string>* names) override;

    EntryKind KindOf(const char* path) override;
    FileRemoval RemoveFile(const char* path, const char* leadsTo) override;
    bool RemoveFolder(const char* folder, const char* leadsTo) override;
    BackupCopy CopyBackup(const char* backup, const char* target) override;
    void ForEachEntry(const char* pattern, EntryVisitor visit, void* context) override;
    bool TruncateFile(const char* path, std::uint64_t length) override;
    bool ReadWholeFile(const char* path, std::string* contents) override;
    bool ReadFileStart(const char* path, std::size_t count, std::string* start) override;
    bool ReplaceWholeFile(const char* path, const std::string& contents) override;
    bool CanonicalPathOf(const char* path, std::string* out) override;
    bool ResolvedPathOf(const char* path, std::string* out) override;
    bool IsSystemComponent(const char* path) override;

private:
    SystemComponents components_;
};
