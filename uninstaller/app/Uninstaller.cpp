#include "uninstaller/app/Uninstaller.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/DialogPreparation.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/Crc32.h"
#include "uninstaller/app/Engine.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/LanguageText.h"
#include "uninstaller/app/LogReaderUi.h"
#include "uninstaller/app/MainWindow.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/ProgressDialog.h"
#include "uninstaller/app/Repair.h"
#include "uninstaller/app/RunReport.h"
#include "uninstaller/app/SelfCopy.h"
#include "uninstaller/app/SelfRepair.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/StatusMif.h"
#include "uninstaller/app/SystemRestore.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/WindowsRestart.h"
#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/WindowsLogSystem.h"

namespace {

bool CopyText(char* out, size_t size, const char* text)
{
    size_t length = std::strlen(text);
    if (length >= size)
        return false;
    std::memmove(out, text, length + 1);
    return true;
}

void DetectPlatform()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    g_app.platform = version.dwPlatformId == VER_PLATFORM_WIN32_NT ? kPlatformNt : kPlatformWindows;
    g_app.shellFlag = version.dwMajorVersion > 3;
    g_app.shell32 = LoadLibraryA("SHELL32.DLL");
    if (g_app.shell32)
        g_app.shChangeNotify = reinterpret_cast<ShChangeNotifyProc>(
            reinterpret_cast<void*>(GetProcAddress(g_app.shell32, "SHChangeNotify")));
}

void BuildIniPath()
{
    DWORD length = GetModuleFileNameA(g_app.instance, g_app.modulePath, sizeof g_app.modulePath);
    if (length == 0 || length >= sizeof g_app.modulePath)
        g_app.modulePath[0] = '\0';
    std::strcpy(g_app.iniPath, g_app.modulePath);
    size_t pathLength = std::strlen(g_app.iniPath);
    if (pathLength >= 3)
        std::memcpy(g_app.iniPath + pathLength - 3, "INI", 3);
}

// "INSTALL.LOG" beside the program, when it exists.
void DefaultLogPath()
{
    char path[MAX_PATH];
    std::strcpy(path, g_app.modulePath);
    char* name = std::strrchr(path, '\\');
    if (!name || static_cast<size_t>(name + 1 - path) + sizeof "INSTALL.LOG" > sizeof path)
        return;
    std::strcpy(name + 1, "INSTALL.LOG");
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return;
    ToShortPath(path, g_app.logPath, sizeof g_app.logPath);
}

void LoadResources()
{
    HRSRC wizard = FindResourceA(g_app.instance, MAKEINTRESOURCEA(106), RT_DIALOG);
    HRSRC shared = FindResourceA(g_app.instance, MAKEINTRESOURCEA(104), RT_DIALOG);
    g_app.wizardTemplate = wizard ? LoadResource(g_app.instance, wizard) : nullptr;
    g_app.sharedFileTemplate = shared ? LoadResource(g_app.instance, shared) : nullptr;
    g_app.banner = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(106));
}

void TakeLogPathFromCommandLine()
{
    const CommandLine& line = g_app.commandLine;
    if (!line.logPath[0])
        return;
    if (line.logPathQuoted)
        ToShortPath(line.logPath, g_app.logPath, sizeof g_app.logPath);
    else
        CopyText(g_app.logPath, sizeof g_app.logPath, line.logPath);
}

bool ReadSetting(void*, const char* key, char* out, size_t size)
{
    GetPrivateProfileStringA("Settings", key, kLanguageNotSet, out, static_cast<DWORD>(size), g_app.iniPath);
    return IsLanguageTextSet(out);
}

void ReadSettingsAndScreen()
{
    ReadSettings(&g_app.settings, ReadSetting, nullptr);
    g_app.gradient = MakeGradient(g_app.settings);
    HDC screen = GetDC(nullptr);
    g_app.screenWidth = GetDeviceCaps(screen, HORZRES);
    g_app.screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
}

bool CreateWindows()
{
    const CommandLine& line = g_app.commandLine;
    bool quiet = line.silent || line.temporaryCopy || line.shortcut != 0;
    if (!quiet)
        CreateProgressDialog();
    g_app.mainWindow = CreateMainWindow();
    if (!g_app.mainWindow)
        return false;
    if (line.hasTitle)
        SetWindowTextA(g_app.mainWindow, line.title);
    if (!quiet && !g_app.settings.noBackground)
        ShowWindow(g_app.mainWindow, SW_SHOWMAXIMIZED);
    return true;
}

void ReadProtectedProgramFiles()
{
    g_app.protectedProgramFiles[0] = '\0';
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ, &key.key) !=
        ERROR_SUCCESS)
        return;
    char value[MAX_PATH];
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key.key, "ProgramFilesDir", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return;
    value[size] = '\0';
    size_t length = std::strlen(value);
    if (length && value[length - 1] == '\\')
        value[length - 1] = '\0';
    std::strcpy(g_app.protectedProgramFiles, value);
}

void ShowCannotOpenLog()
{
    CloseProgressDialog();
    char text[256], caption[256];
    LoadMessage(3, text, sizeof text);
    LoadMessage(2, caption, sizeof caption);
    ShowMessageBox(g_app.mainWindow, text, caption, MB_OK, IDOK);
}

// A log path without "\" is taken as a name in the current directory.
void CompleteLogPath()
{
    if (!g_app.logPath[0] || std::strchr(g_app.logPath, '\\'))
        return;
    char current[MAX_PATH], full[MAX_PATH + CommandLine::kLogPathSize];
    DWORD length = GetCurrentDirectoryA(sizeof current, current);
    if (length == 0 || length >= sizeof current)
        return;
    std::snprintf(full, sizeof full, "%s%s%s", current, current[length - 1] == '\\' ? "" : "\\", g_app.logPath);
    if (!CopyText(g_app.logPath, sizeof g_app.logPath, full))
        g_app.logPath[0] = '\0';
}

int ReadLog()
{
    if (AllocateItemTables() != 0)
        return 1;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    WindowsLogSystem system;
    ProgramLogUi ui;
    int result = ReadInstallLog(g_app.logPath, g_app.topDirectory, sizeof g_app.topDirectory, system, ui);
    SetCursor(previous);
    return result;
}

void RunWizardLoop()
{
    while (!g_wizard.finished && !g_app.cancelled && !g_app.quitReceived) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            g_app.quitReceived = true;
            g_app.quitCode = static_cast<int>(message.wParam);
            break;
        }
        if (g_app.wizard && IsDialogMessageA(g_app.wizard, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The main window was closed: nothing more is done.
    if (g_app.quitReceived)
        g_app.cancelled = true;
}

void ChangeToRootDirectory()
{
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof current, current);
    if (length >= 3 && length < sizeof current && current[1] == ':') {
        current[3] = '\0';
        SetCurrentDirectoryA(current);
    }
}

// Runs the repair or the engine; returns which of them ran.
RunKind PerformRun()
{
    ChangeToRootDirectory();
    RestorePoint point{};
    if (g_itemStore.systemRestore)
        point = BeginRestorePoint(g_itemStore.productTitle);
    bool repair = g_wizard.method == kMethodRepair || (g_app.commandLine.shortcut != 0 && g_itemStore.repairPossible);
    int result = repair ? RepairInstallation() : PerformUninstall(g_app.logPath);
    g_app.runFailed = result != 0;
    PostMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
    EndRestorePoint(&point, g_app.cancelled);
    // The engine has settled whether this was a rollback (a Custom run never is).
    return repair ? kRunRepair : g_wizard.rollback ? kRunRollback : kRunUninstall;
}

RunOutcome Outcome()
{
    if (g_app.cancelled)
        return kRunCancelled;
    return g_app.runFailed ? kRunFailed : kRunSucceeded;
}

// Steps 1 and 2 of the end: windows closed, the shell told, libraries and resources freed.
int CloseWindowsAndFree()
{
    CloseProgressDialog();
    DestroyWizard();
    if (g_app.mainWindow) {
        DestroyWindow(g_app.mainWindow);
        g_app.mainWindow = nullptr;
        MSG message;
        while (!g_app.quitReceived) {
            BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == 0 || got == -1) {
                g_app.quitReceived = true;
                g_app.quitCode = got == 0 ? static_cast<int>(message.wParam) : 0;
                break;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    NotifyShellOfDeletedFiles();
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (g_app.shChangeNotify && length && length < sizeof windows)
        g_app.shChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA | SHCNF_FLUSH, windows, nullptr);
    if (g_app.shell32) {
        FreeLibrary(g_app.shell32);
        g_app.shell32 = nullptr;
        g_app.shChangeNotify = nullptr;
    }
    if (g_app.banner) {
        DeleteObject(g_app.banner);
        g_app.banner = nullptr;
    }
    if (g_app.hollowBrush) {
        DeleteObject(g_app.hollowBrush);
        g_app.hollowBrush = nullptr;
    }
    FreeDialogFonts();
    g_app.wizardTemplate = nullptr;
    g_app.sharedFileTemplate = nullptr;
    return g_app.quitCode;
}

// Hands the rest of the clean-up to the temporary copy when the run deleted this program's
// file; an unused copy is deleted at once. The copy is told to restart only while a restart
// is still due, and then takes it over.
void HandOverToTemporaryCopy()
{
    if (!g_app.temporaryCopyPath[0])
        return;
    if (g_app.ownFileDeleted && !g_app.cancelled) {
        char shortModule[MAX_PATH], command[3 * MAX_PATH + 16];
        ToShortPath(g_app.modulePath, shortModule, sizeof shortModule);
        if (BuildTemporaryCopyCommand(command, sizeof command, g_app.temporaryCopyPath, g_app.restartNeeded,
                                      shortModule, g_app.topDirectory) == 0 &&
            WinExec(command, SW_SHOW) > 31) {
            g_app.restartNeeded = false;
            return;
        }
    }
    DeleteFileA(g_app.temporaryCopyPath);
}

// "/Z" (or "/z" alone): no copy takes care of this program's file, so the program deletes it
// and its INI file itself, once a run has taken place.
void DeleteOwnFiles()
{
    if (!g_app.commandLine.noCopy || g_app.commandLine.temporaryCopy || g_app.cancelled || !g_app.logRead)
        return;
    DeleteFileA(g_app.modulePath);
    OFSTRUCT unused;
    OpenFile(g_app.iniPath, &unused, OF_DELETE);
}

}  // namespace

StartOutcome StartUninstaller(HINSTANCE instance, const char* commandLine)
{
    ResetAppState();
    g_app.instance = instance;
    g_wizard = WizardState{};
    CommandLine& line = g_app.commandLine;
    ParseCommandLine(commandLine, &line);

    DetectPlatform();
    LOGBRUSH hollow{BS_HOLLOW, 0, 0};
    g_app.hollowBrush = CreateBrushIndirect(&hollow);
    BuildIniPath();
    if (line.empty)
        DefaultLogPath();
    if (!line.noCopy)
        MakeTemporaryCopy();
    LoadResources();
    TakeLogPathFromCommandLine();

    if (line.shortcut != 0) {
        if (RunSelfRepairCheck(line.shortcut) == kSelfRepairEnd) {
            HandOverToTemporaryCopy();
            CloseWindowsAndFree();
            return kStartExit;
        }
        line.automatic = true;
        line.startOnLastPage = true;
    }

    ReadSettingsAndScreen();
    if (!CreateWindows()) {
        HandOverToTemporaryCopy();
        CloseWindowsAndFree();
        return kStartExit;
    }
    BuildCrc32Table(g_app.crcTable);
    LoadMessage(25, g_app.cancelCaption, sizeof g_app.cancelCaption);
    LoadMessage(59, g_app.cancelQuestion, sizeof g_app.cancelQuestion);
    ReadProtectedProgramFiles();

    if (line.temporaryCopy)
        return kStartTemporaryCopy;

    if (line.tooLong) {
        ShowCannotOpenLog();
        return kStartFailed;
    }
    if (!g_app.logPath[0]) {
        CloseProgressDialog();
        if (AskForLogFile(g_app.mainWindow, g_app.logPath, sizeof g_app.logPath) == kLogFileCancelled) {
            // The user chose to uninstall nothing.
            HandOverToTemporaryCopy();
            CloseWindowsAndFree();
            return kStartExit;
        }
    }
    CompleteLogPath();
    if (ReadLog() != 0)
        return kStartFailed;
    g_app.logRead = true;
    return kStartReady;
}

void RunUninstall()
{
    const CommandLine& line = g_app.commandLine;
    g_wizard.rollback = line.rollback;
    if (line.automatic) {
        g_wizard.page = kWizardLastPage;
        g_wizard.method = kMethodAutomatic;
    }
    if (line.startOnLastPage) {
        g_wizard.page = kWizardLastPage;
        g_wizard.method = line.shortcut != 0 ? kMethodRepair : kMethodAutomatic;
    }

    if (!line.silent) {
        if (line.shortcut == 0)
            CloseProgressDialog();
        EnableWindow(g_app.mainWindow, FALSE);
        g_app.wizard = CreateWizard(IsWindowVisible(g_app.mainWindow) ? g_app.mainWindow : nullptr);
        if (!line.automatic)
            RunWizardLoop();
    }

    // A run cancelled in the wizard has done nothing and ends without a word.
    if (!g_app.cancelled) {
        RunKind kind = PerformRun();
        ReportRunOutcome(g_app.wizard, kind, Outcome());
    }

    if (g_app.restartNeeded) {
        char text[1024];
        LoadMessage(68, text, sizeof text);
        if (ShowMessageBox(g_app.wizard, text, g_app.cancelCaption, MB_OKCANCEL, IDOK) == IDCANCEL)
            g_app.restartNeeded = false;
    }
    if (!line.silent)
        DestroyWizard();
    WriteStatusMif(Outcome(), g_wizard.rollback);
}

int EndUninstaller()
{
    int exitCode = CloseWindowsAndFree();
    HandOverToTemporaryCopy();
    DeleteOwnFiles();
    FreeItemStore();
    if (g_app.restartNeeded)
        RestartWindows();
    if (g_app.commandLine.shortcut != 0) {
        StartShortcutApplication(g_app.commandLine.shortcut);
        CloseRepairKey();
    }
    return exitCode;
}

int FinishTemporaryCopy()
{
    CleanUpAfterLauncher();
    int exitCode = CloseWindowsAndFree();
    if (g_app.commandLine.restartDue)
        RestartWindows();
    return exitCode;
}

int RunUninstaller(HINSTANCE instance, const char* commandLine)
{
    switch (StartUninstaller(instance, commandLine)) {
    case kStartExit:
        return 0;
    case kStartTemporaryCopy:
        return FinishTemporaryCopy();
    case kStartFailed:
        // A failure after the log named its status file is reported there as a failure.
        WriteStatusMif(kRunFailed, false);
        break;
    case kStartReady:
        RunUninstall();
        break;
    }
    return EndUninstaller();
}
