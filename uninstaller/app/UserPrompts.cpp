#include "uninstaller/app/UserPrompts.h"

#include <commdlg.h>

#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Messages.h"

namespace {

MessageBoxHook messageBoxHook;
OpenFileHook openFileHook;

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

bool AskForLogFile(HWND owner, char* path, size_t size)
{
    if (g_app.commandLine.silent || size == 0)
        return false;
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
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&dialog))
        return true;
    path[0] = '\0';
    return false;
}
