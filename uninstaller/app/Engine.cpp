#include "uninstaller/app/Engine.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/EngineRun.h"
#include "uninstaller/app/FileRemoval.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/ProgramEngineUi.h"
#include "uninstaller/app/ProgressView.h"
#include "uninstaller/app/ProtectedSystemFolders.h"
#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/SelfRegistration.h"
#include "uninstaller/app/WindowsEngineActions.h"
#include "uninstaller/app/WindowsEngineFiles.h"
#include "uninstaller/app/WindowsEngineRegistry.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/log/ItemStore.h"

int PerformUninstall(const char* logPath)
{
    bool automatic = g_wizard.method != kMethodCustom;
    if (!automatic)
        g_wizard.rollback = false;
    bool silent = g_app.commandLine.silent;
    EngineOptions options{automatic, g_wizard.rollback, silent, g_app.shellFlag, logPath, SystemProtectedFolders(),
                          silent ? static_cast<unsigned>(g_app.settings.silentWaitSeconds) * 1000 : kWaitWithoutLimit};
    WindowsEngineFiles files;
    WindowsEngineRegistry registry;
    WindowsEngineActions actions;
    ProgramEngineUi ui;
    EngineHost host{files, registry, actions, ui};
    KeptItems kept;
    int result = RunEngine(g_itemStore, options, host, &kept);
    NotifyShellOfDeletedFiles();
    std::snprintf(g_app.keptReport, sizeof g_app.keptReport, "%s", kept.Summary(sizeof g_app.keptReport - 1).c_str());
    return result;
}

void RemoveDirectoryTree(const char* folder, bool withFiles)
{
    WindowsEngineFiles files;
    FolderGuard guard(files, SystemProtectedFolders());
    std::string path;
    if (files.PathFromAnsi(folder, &path))
        RemoveDirectoryTree(files, guard, path, withFiles);
}

bool WriteRegistryValue(int root, int type, const char* keyPath, const char* valueName, const char* valueText,
                        bool createKey)
{
    WindowsEngineRegistry registry;
    return WriteRegistryValue(registry, root, type, keyPath, valueName, valueText, std::strlen(valueText) + 1,
                              createKey);
}

bool DeleteRegistryTree(const char* keyPath, int root)
{
    WindowsEngineRegistry registry;
    return DeleteRegistryTree(registry, root, keyPath);
}

void RegisterFileWithProgress(const char* label, const char* path, bool registerIt)
{
    ShowProgressPath(label, path);
    SelfRegisterFile(path, registerIt, kLongestRegistrationMs);
}
