#pragma once
// The engine's file operations on this system (ANSI functions).

#include "uninstaller/app/EngineHost.h"

class WindowsEngineFiles : public EngineFiles {
public:
    bool FileExists(const char* path) override;
    FileRemoval RemoveFile(const char* path) override;
    bool PutBackupBack(const char* backup, const char* target) override;
    void ForEachEntry(const char* pattern, EntryVisitor visit, void* context) override;
    bool RemoveFolder(const char* folder) override;
    bool TruncateFile(const char* path, std::uint64_t length) override;
    bool ReadWholeFile(const char* path, std::string* contents) override;
    bool ReplaceWholeFile(const char* path, const std::string& contents) override;
    bool ShortPathOf(const char* path, char* out, std::size_t size) override;
    bool LongPathOf(const char* path, char* out, std::size_t size) override;
    bool CanonicalPathOf(const char* path, char* out, std::size_t size) override;
    bool ResolvedPathOf(const char* path, char* out, std::size_t size) override;
    bool IsLink(const char* path) override;
    bool IsSystemComponent(const char* path) override;
    bool WriteIniEntry(const char* file, const char* section, const char* item, const char* value) override;
};
