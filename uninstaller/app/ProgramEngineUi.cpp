#include "uninstaller/app/ProgramEngineUi.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/MessagePump.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/ProgressView.h"
#include "uninstaller/app/SharedFilePrompt.h"
#include "uninstaller/app/UserPrompts.h"

namespace {

const unsigned kServerRunningText = 28;
const unsigned kUninstallCaption = 25;

}  // namespace

void ProgramEngineUi::EnterProgressView()
{
    ::EnterProgressView(false);
}

void ProgramEngineUi::SetProgress(unsigned done, unsigned total)
{
    SetProgressCounts(done, total);
}

void ProgramEngineUi::ShowProgressItem(unsigned labelId, const char* item, ProgressItemKind kind)
{
    if (kind == kProgressKey)
        ShowProgressKey(labelId, item);
    else
        ::ShowProgressItem(labelId, item);
}

void ProgramEngineUi::ClearProgressText()
{
    ShowProgressText("");
}

void ProgramEngineUi::ServeWindows()
{
    ShowProgressText(nullptr);
}

void ProgramEngineUi::Wait(unsigned milliseconds)
{
    PumpMessages(milliseconds);
}

bool ProgramEngineUi::Cancelled()
{
    return g_app.cancelled;
}

void ProgramEngineUi::LoadText(unsigned id, char* out, std::size_t size)
{
    LoadMessage(id, out, size);
}

SharedFileChoice ProgramEngineUi::AskRemoveSharedFile(const char* message)
{
    return AskSharedFileChoice(message);
}

ServerAnswer ProgramEngineUi::AskToStopDatabaseServer()
{
    char text[512], caption[256];
    LoadMessage(kServerRunningText, text, sizeof text);
    LoadMessage(kUninstallCaption, caption, sizeof caption);
    switch (ShowMessageBox(g_app.wizard, text, caption, MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION, IDIGNORE)) {
    case IDABORT:
        return kServerAbort;
    case IDRETRY:
        return kServerRetry;
    default:
        return kServerIgnore;
    }
}
