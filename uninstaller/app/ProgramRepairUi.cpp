#include "uninstaller/app/ProgramRepairUi.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/MessagePump.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/ProgressView.h"
#include "uninstaller/app/SharedFilePrompt.h"
#include "uninstaller/app/SourcePrompt.h"
#include "uninstaller/app/Wizard.h"

namespace {

const char kCheckingLabel[] = "Checking:\r\n";

}  // namespace

void ProgramRepairUi::EnterProgressView()
{
    ::EnterProgressView(true);
}

void ProgramRepairUi::SetProgress(unsigned done, unsigned total)
{
    SetProgressCounts(done, total);
}

void ProgramRepairUi::ShowChecking(const char* path)
{
    ShowProgressPath(kCheckingLabel, path);
}

void ProgramRepairUi::ServeMessages()
{
    // Only what is already queued: thousands of values must not each wait for a timer.
    if (g_app.wizard)
        InvalidateRect(g_app.wizard, &g_wizard.barRect, FALSE);
    PumpMessages(0);
}

bool ProgramRepairUi::Cancelled()
{
    return g_app.cancelled;
}

void ProgramRepairUi::LoadText(unsigned id, char* out, std::size_t size)
{
    LoadMessage(id, out, size);
}

SharedFileChoice ProgramRepairUi::AskReplaceNewerFile(const char* message)
{
    return AskSharedFileChoice(message);
}

bool ProgramRepairUi::AskSourcePath(const char* identity, char* path, std::size_t size)
{
    return ::AskSourcePath(identity, path, size) == kSourcePromptOk;
}
