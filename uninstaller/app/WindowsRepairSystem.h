#pragma once
// The repair's file, list, shortcut and source operations on this system (ANSI functions).

#include "uninstaller/app/RepairHost.h"

class WindowsRepairSystem : public RepairSystem {
public:
    FileLookup LookUpFile(const char* path, FileFacts* facts) override;
    bool FileCrc32(const char* path, std::uint32_t* crc) override;
    bool CreateListFile(char* path, std::size_t size) override;
    bool AppendToListFile(const char* listFile, const char* line) override;
    void DeleteListFile(const char* listFile) override;
    bool SaveShortcut(const char* path, const ShortcutInfo& link) override;
    // Messages are served while the source runs, so that the wizard keeps painting and a
    // source that sends messages to every window is not blocked by this one.
    bool RunSource(const char* source, const char* listFile) override;
    void RegisterFile(const char* path) override;
};
