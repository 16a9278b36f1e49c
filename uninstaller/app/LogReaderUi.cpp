#include "uninstaller/app/LogReaderUi.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/ProgressDialog.h"
#include "uninstaller/app/UserPrompts.h"

void ProgramLogUi::ShowMessage(int textId, int captionId)
{
    // Reading stops after any message: the progress window has served its purpose.
    CloseProgressDialog();
    char text[1024], caption[256];
    LoadMessage(static_cast<unsigned>(textId), text, sizeof text);
    LoadMessage(static_cast<unsigned>(captionId), caption, sizeof caption);
    ShowMessageBox(g_app.mainWindow, text, caption, MB_OK, IDOK);
}

void ProgramLogUi::ShowProgress(std::uint64_t position, std::uint64_t fileSize)
{
    ShowStartupProgress(position, fileSize);
}

void ProgramLogUi::SetProductTitle(const char* title)
{
    if (!g_app.commandLine.hasTitle && g_app.mainWindow)
        SetWindowTextA(g_app.mainWindow, title);
}
