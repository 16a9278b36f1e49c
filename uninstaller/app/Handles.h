#pragma once
// Owners of system handles that close them when they go out of scope.

#include <windows.h>

struct FileHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit FileHandle(HANDLE h) : handle(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    bool IsOpen() const { return handle != INVALID_HANDLE_VALUE; }
};

struct FindHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit FindHandle(HANDLE h) : handle(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            FindClose(handle);
    }
};

struct RegistryKey {
    HKEY key = nullptr;
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key)
            RegCloseKey(key);
    }
};

struct LibraryHandle {
    HMODULE module = nullptr;
    explicit LibraryHandle(HMODULE m) : module(m) {}
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;
    ~LibraryHandle()
    {
        if (module)
            FreeLibrary(module);
    }
};
