#include "uninstaller/app/UserPrompts.h"

#include <commdlg.h>

#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/DialogPreparation.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/Messages.h"

namespace {

MessageBoxHook messageBoxHook;
OpenFileHook openFileHook;

// The dialog would open where the (often hidden) owner sits, at the screen's corner.
UINT_PTR CALLBACK CentreWhenShown(HWND child, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE)
        CentreDialog(GetParent(child));
    return 0;
}

typedef BOOL(WINAPI* GetOpenFileNameProc)(LPOPENFILENAMEA dialog);
typedef DWORD(WINAPI* ExtendedErrorProc)();

template <typename Proc>
Proc Function(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    messageBoxHook = hook;
}

void SetOpenFileHook(OpenFileHook hook)
{
    openFileHook = hook;
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type, int silentAnswer)
{
    if (g_app.commandLine.silent)
        return silentAnswer;
    if (messageBoxHook)
        return messageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

LogFileAnswer AskForLogFile(HWND owner, char* path, size_t size)
{
    if (size == 0)
        return kLogFileFailed;
    path[0] = '\0';
    if (g_app.commandLine.silent)
        return kLogFileFailed;
    if (openFileHook)
        return openFileHook(owner, path, size);

    // The filter is "description\0pattern\0\0".
    char filter[300];
    size_t length = LoadMessage(1, filter, sizeof filter - 14);
    std::memcpy(filter + length + 1, "install.log\0", 13);

    std::strncpy(path, "INSTALL.LOG", size - 1);
    path[size - 1] = '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(size);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK;
    dialog.lpfnHook = CentreWhenShown;
    // The dialogs' library is loaded only here: loaded with the program it brings the printing
    // libraries along, which every run, a silent one too, would pay for at its start.
    LibraryHandle dialogs(LoadLibraryA("comdlg32.dll"));
    auto getOpenFileName = Function<GetOpenFileNameProc>(dialogs.module, "GetOpenFileNameA");
    auto extendedError = Function<ExtendedErrorProc>(dialogs.module, "CommDlgExtendedError");
    if (!getOpenFileName || !extendedError)
        return kLogFileFailed;
    if (getOpenFileName(&dialog))
        return kLogFileChosen;
    path[0] = '\0';
    return extendedError() == 0 ? kLogFileCancelled : kLogFileFailed;
}
