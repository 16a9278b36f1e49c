#include "uninstaller/app/RunReport.h"

#include <cstdio>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/MessageFormat.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/log/ItemStore.h"

namespace {

// Text ids by kind of run, then by outcome (done, not complete, cancelled).
const unsigned kOutcomeTexts[][3] = {{87, 88, 89}, {90, 91, 92}, {93, 94, 95}};

unsigned OutcomeColumn(RunOutcome outcome)
{
    switch (outcome) {
    case kRunSucceeded: return 0;
    case kRunFailed: return 1;
    default: return 2;
    }
}

}  // namespace

void ReportRunOutcome(HWND owner, RunKind kind, RunOutcome outcome)
{
    if (g_app.commandLine.silent)
        return;
    char text[1024];
    size_t length = FormatMessageText(kOutcomeTexts[kind][OutcomeColumn(outcome)], g_itemStore.productTitle, text,
                                      sizeof text);
    if (g_app.keptReport[0] && length < sizeof text)
        std::snprintf(text + length, sizeof text - length, "\n\n%s", g_app.keptReport);
    UINT icon = outcome == kRunSucceeded ? MB_ICONINFORMATION : MB_ICONWARNING;
    ShowMessageBox(owner, text, g_app.cancelCaption, MB_OK | icon, IDOK);
}
