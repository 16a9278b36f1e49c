#include "uninstaller/app/StatusMif.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/LanguageText.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/log/InstallLog.h"

namespace {

const unsigned kReportNameRefused = 83;
const unsigned kUninstallCaption = 25;

typedef BOOL(WINAPI* InstallStatusMifProc)(LPSTR mifName, LPSTR manufacturer, LPSTR product, LPSTR version,
                                             LPSTR locale, LPSTR serialNumber, LPSTR message, BOOL success);

struct HeapText {
    char* text;
    ~HeapText()
    {
        if (text)
            HeapFree(GetProcessHeap(), 0, text);
    }
};

bool ReportThroughSystemsManagement(RunOutcome outcome)
{
    LibraryHandle library(LoadLibraryA("ismif32.dll"));
    if (!library.module)
        return false;
    auto installStatusMif = reinterpret_cast<InstallStatusMifProc>(
        reinterpret_cast<void*>(GetProcAddress(library.module, "InstallStatusMIF")));
    if (!installStatusMif)
        return false;
    char locale[] = "ENU";
    char message[64];
    std::snprintf(message, sizeof message, "%s", StatusMifMessage(outcome));
    ItemStore& store = g_itemStore;
    return installStatusMif(store.mifFile, store.manufacturer, store.product, store.versionNumber, locale,
                            store.serialNumber, message, outcome == kRunSucceeded) != FALSE;
}

void WriteMifFile(RunOutcome outcome, bool rollback)
{
    static char templ[16384];
    char raw[16384];
    GetPrivateProfileStringA("Language", "Msg1000", kLanguageNotSet, raw, sizeof raw, g_app.iniPath);
    if (IsLanguageTextSet(raw))
        MifTemplateFromLanguage(raw, templ, sizeof templ);
    else
        std::snprintf(templ, sizeof templ, "%s", kBuiltInMifTemplate);

    SYSTEMTIME now;
    GetLocalTime(&now);
    char dateTime[32];
    FormatMifDateTime(now.wMonth, now.wDay, now.wYear, now.wHour, now.wMinute, dateTime, sizeof dateTime);
    const ItemStore& store = g_itemStore;
    StatusMifValues values{store.manufacturer, store.product, store.versionNumber, store.serialNumber,
                           rollback, dateTime, outcome, g_app.keptReport};

    // Each three-character placeholder grows to at most 255 characters: the description (what
    // the run kept) holds up to 255, the log's fields up to 127.
    size_t size = std::strlen(templ) * 85 + 1;
    HeapText text{static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size))};
    if (!text.text || FormatStatusMif(templ, values, text.text, size) != 0)
        return;

    char windows[MAX_PATH], path[MAX_PATH + kMifFieldSize];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return;
    std::snprintf(path, sizeof path, "%s\\%s", windows, store.mifFile);
    // Only an earlier report is overwritten, never another file of the Windows folder.
    size_t nameLength = std::strlen(store.mifFile);
    bool report = nameLength > 4 && lstrcmpiA(store.mifFile + nameLength - 4, ".MIF") == 0;
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, report ? CREATE_ALWAYS : CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return;
    DWORD written;
    WriteFile(file.handle, text.text, static_cast<DWORD>(std::strlen(text.text)), &written, nullptr);
}

// The report is written in the Windows folder under the name the log gives; any other place is
// refused.
bool ReportNameIsPlain()
{
    if (IsPlainFileName(g_itemStore.mifFile))
        return true;
    char format[512], text[512 + kMifFieldSize], caption[256];
    LoadMessage(kReportNameRefused, format, sizeof format);
    std::snprintf(text, sizeof text, format, g_itemStore.mifFile);
    LoadMessage(kUninstallCaption, caption, sizeof caption);
    ShowMessageBox(g_app.mainWindow, text, caption, MB_OK | MB_ICONWARNING, IDOK);
    return false;
}

}  // namespace

void WriteStatusMif(RunOutcome outcome, bool rollback)
{
    if (!g_itemStore.mifFile[0] || !ReportNameIsPlain())
        return;
    if (ReportThroughSystemsManagement(outcome))
        return;
    WriteMifFile(outcome, rollback);
}
