#include "app/InstanceGuard.h"

#include <windows.h>

#include "classlib/win/Handles.h"

namespace {

// The mutex this process holds: process-wide by nature, released when the process ends.
cl::TKernelHandle& InstanceMutex() {
    static cl::TKernelHandle mutex;
    return mutex;
}

}  // namespace

bool CheckInstanceMutex(const std::string& mutexName) {
    InstanceMutex().Reset();
    InstanceMutex().Reset(CreateMutexA(nullptr, TRUE, mutexName.c_str()));
    return InstanceMutex() && GetLastError() == ERROR_ALREADY_EXISTS;
}

bool ActivatePreviousInstance(const std::string& mutexName, const std::string& windowClass, const std::string& caption) {
    if (!CheckInstanceMutex(mutexName)) return false;
    HWND window = FindWindowA(windowClass.c_str(), caption.c_str());
    if (!window) return true;
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsIconic(owner)) {
        ShowWindow(owner, SW_RESTORE);
    } else {
        // Loaded by name: older systems do not export it.
        using SwitchFunction = void(WINAPI*)(HWND, BOOL);
        auto switchTo = reinterpret_cast<SwitchFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SwitchToThisWindow")));
        if (switchTo) switchTo(window, FALSE);
        else SetForegroundWindow(window);
    }
    return true;
}
