#pragma once
// The files a Windows system ships: the ones its file protection guards, and the programs and
// libraries of the system's maker in the Windows folder ("ole32.dll" in the System folder).

#include <string>

#include "uninstaller/app/Handles.h"

class SystemComponents {
public:
    SystemComponents() = default;
    SystemComponents(const SystemComponents&) = delete;
    SystemComponents& operator=(const SystemComponents&) = delete;

    // The file at path (a full path) is one of them.
    bool Includes(const std::wstring& path);

private:
    typedef BOOL(WINAPI* IsFileProtectedProc)(HANDLE server, LPCWSTR path);

    void Load();
    bool IsProtectedBySystem(const std::wstring& path);

    // The file protection's library and the Windows folder (long form, no trailing "\"), both
    // taken at the first question.
    bool loaded_ = false;
    std::wstring windowsFolder_;
    LibraryHandle sfc_{nullptr};
    IsFileProtectedProc isProtected_ = nullptr;
};
