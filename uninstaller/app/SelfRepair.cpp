#include "uninstaller/app/SelfRepair.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/RepairCheck.h"
#include "uninstaller/app/Settings.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/UserPrompts.h"

namespace {

HKEY RootKey(int root)
{
    static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                                 HKEY_CURRENT_CONFIG};
    return roots[root];
}

bool RegistryValueIsMissing(const char* name)
{
    int root;
    char keyPath[MAX_PATH], valueName[MAX_PATH];
    if (ParseRepairValueName(name, &root, keyPath, sizeof keyPath, valueName, sizeof valueName) != kRepairValueRegistry)
        return false;
    RegistryKey key;
    if (RegOpenKeyExA(RootKey(root), keyPath, 0, KEY_READ, &key.key) != ERROR_SUCCESS)
        return true;
    return valueName[0] && RegQueryValueExA(key.key, valueName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
}

bool InstallationIsDamaged(HKEY repairKey)
{
    for (DWORD index = 0;; ++index) {
        char name[521];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        LONG result = RegEnumValueA(repairKey, index, name, &nameLength, nullptr, &type, nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue;   // a name longer than any the installer writes: not checked
        if (result != ERROR_SUCCESS)
            return false;
        if (type == REG_SZ && RegistryValueIsMissing(name))
            return true;
        if (type == REG_DWORD && GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES)
            return true;
    }
}

void DeleteAllValues(HKEY repairKey)
{
    for (;;) {
        char name[521];
        DWORD nameLength = sizeof name;
        if (RegEnumValueA(repairKey, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return;
        if (RegDeleteValueA(repairKey, name) != ERROR_SUCCESS)
            return;
    }
}

void ReadText(HKEY key, const char* name, char* out, DWORD size)
{
    DWORD type = 0, length = size - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(out), &length) != ERROR_SUCCESS ||
        type != REG_SZ) {
        length = 0;
    }
    out[length < size ? length : size - 1] = '\0';
}

}  // namespace

SelfRepairResult RunSelfRepairCheck(int shortcut)
{
    // Without a log there is no key of its own (an empty name would open the parent of all).
    char longLog[MAX_PATH], keyPath[MAX_PATH + 80];
    if (!g_app.logPath[0] || ToLongPath(g_app.logPath, longLog, sizeof longLog) != 0 ||
        BuildRepairKeyPath(longLog, keyPath, sizeof keyPath) != 0)
        return kSelfRepairEnd;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | KEY_SET_VALUE, &g_app.repairKey) != ERROR_SUCCESS &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &g_app.repairKey) != ERROR_SUCCESS) {
        g_app.repairKey = nullptr;
        return kSelfRepairEnd;
    }

    if (InstallationIsDamaged(g_app.repairKey)) {
        char text[1024], caption[256];
        LoadMessage(81, text, sizeof text);
        LoadMessage(74, caption, sizeof caption);
        // A silent run leaves the installation as it is.
        int answer = ShowMessageBox(nullptr, text, caption, MB_YESNOCANCEL, IDNO);
        if (answer == IDYES)
            return kSelfRepairRepair;
        if (answer == IDCANCEL)
            DeleteAllValues(g_app.repairKey);
    }
    StartShortcutApplication(shortcut);
    CloseRepairKey();
    return kSelfRepairEnd;
}

void StartShortcutApplication(int shortcut)
{
    if (!g_app.repairKey)
        return;
    char subkey[32];
    std::snprintf(subkey, sizeof subkey, "Icons\\%d", shortcut);
    RegistryKey icon;
    if (RegOpenKeyExA(g_app.repairKey, subkey, 0, KEY_READ, &icon.key) != ERROR_SUCCESS)
        return;
    char path[260], arguments[260], workingDir[260], show[260];
    ReadText(icon.key, "Path", path, sizeof path);
    ReadText(icon.key, "Arguments", arguments, sizeof arguments);
    ReadText(icon.key, "WorkingDir", workingDir, sizeof workingDir);
    ReadText(icon.key, "ShowWindow", show, sizeof show);
    if (!path[0])
        return;
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, path, arguments[0] ? arguments : nullptr,
                                     workingDir[0] ? workingDir : nullptr, ParseIniInteger(show, SW_SHOWNORMAL));
    if (reinterpret_cast<INT_PTR>(result) > 32)
        return;
    char message[512];
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(),
                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), message, sizeof message, nullptr))
        message[0] = '\0';
    ShowMessageBox(nullptr, message, path, MB_OK, IDOK);
}

void CloseRepairKey()
{
    if (g_app.repairKey) {
        RegCloseKey(g_app.repairKey);
        g_app.repairKey = nullptr;
    }
}
