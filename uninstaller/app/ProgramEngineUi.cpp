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
// How long a progress text stays up at least, unless a question or a wait comes.
const DWORD kTextIntervalMs = 30;

}  // namespace

void ProgramEngineUi::EnterProgressView()
{
    ::EnterProgressView(false);
}

void ProgramEngineUi::SetProgress(unsigned done, unsigned total)
{
    SetProgressCounts(done, total);
}

bool ProgramEngineUi::ShowWaitingText(bool force)
{
    DWORD now = GetTickCount();
    if (!waiting_ || (!force && shownOnce_ && now - lastShown_ < kTextIntervalMs))
        return false;
    waiting_ = false;
    shownOnce_ = true;
    lastShown_ = now;
    if (waitingKind_ == kProgressKey)
        ShowProgressKey(waitingLabel_, waitingItem_.c_str());
    else
        ::ShowProgressItem(waitingLabel_, waitingItem_.c_str());
    return true;
}

void ProgramEngineUi::ShowProgressItem(unsigned labelId, const char* item, ProgressItemKind kind)
{
    waiting_ = true;
    waitingLabel_ = labelId;
    waitingItem_ = item ? item : "";
    waitingKind_ = kind;
    ServeWindows();
}

void ProgramEngineUi::ClearProgressText()
{
    waiting_ = false;
    ShowProgressText("");
}

void ProgramEngineUi::ServeWindows()
{
    if (!ShowWaitingText(false))
        ShowProgressText(nullptr);
}

void ProgramEngineUi::Wait(unsigned milliseconds)
{
    ShowWaitingText(true);
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
    ShowWaitingText(true);
    return AskSharedFileChoice(message);
}

ServerAnswer ProgramEngineUi::AskToStopDatabaseServer()
{
    ShowWaitingText(true);
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
