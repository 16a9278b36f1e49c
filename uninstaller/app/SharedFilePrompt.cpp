#include "uninstaller/app/SharedFilePrompt.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/DialogPreparation.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/WizardAnimation.h"

namespace {

const int kSharedFileDialog = 104;
const int kMessageControl = 1002;
const unsigned kSharedCaption = 62;
const unsigned kRepairCaption = 76;

SharedFileHook sharedFileHook;

struct SharedFileQuestion {
    const char* message;
    const char* caption;
};

void SetText(HWND dialog, int id, unsigned textId)
{
    char text[256];
    LoadMessage(textId, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

void InitDialog(HWND dialog, const SharedFileQuestion& question)
{
    PrepareDialog(dialog);
    SetWindowTextA(dialog, question.caption);
    SetDlgItemTextA(dialog, kMessageControl, question.message);
    SetText(dialog, kAnswerYes, 51);
    SetText(dialog, kAnswerNo, 52);
    SetText(dialog, kAnswerYesToAll, 69);
    SetText(dialog, kAnswerNoToAll, 53);
    CentreDialog(dialog);
    // The dialog manager would focus the first button, Yes, and move the default frame there:
    // Enter or Space would then remove a file other programs may still use.
    SendMessageA(dialog, DM_SETDEFID, kAnswerNoToAll, 0);
    SetFocus(GetDlgItem(dialog, kAnswerNoToAll));
}

}  // namespace

extern "C" INT_PTR CALLBACK SharedDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, *reinterpret_cast<const SharedFileQuestion*>(lParam));
        return FALSE;   // the focus is on No to All
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kAnswerYes:
        case kAnswerNo:
        case kAnswerYesToAll:
        case kAnswerNoToAll:
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        case IDCANCEL:   // closed without an answer: keep the file
            EndDialog(dialog, kAnswerNo);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void SetSharedFileHook(SharedFileHook hook)
{
    sharedFileHook = hook;
}

int AskSharedFile(const char* message)
{
    if (g_app.commandLine.silent)
        return kAnswerNo;
    char caption[256];
    LoadMessage(g_wizard.repairView ? kRepairCaption : kSharedCaption, caption, sizeof caption);
    AnimationPause pause;
    if (sharedFileHook)
        return sharedFileHook(message, caption);

    SharedFileQuestion question{message, caption};
    LPARAM parameter = reinterpret_cast<LPARAM>(&question);
    INT_PTR answer;
    if (g_app.sharedFileTemplate)
        answer = DialogBoxIndirectParamA(
            g_app.instance, static_cast<LPCDLGTEMPLATEA>(LockResource(g_app.sharedFileTemplate)), g_app.wizard,
            SharedDlg, parameter);
    else
        answer = DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(kSharedFileDialog), g_app.wizard, SharedDlg,
                                 parameter);
    switch (answer) {
    case kAnswerYes:
    case kAnswerYesToAll:
    case kAnswerNoToAll:
        return static_cast<int>(answer);
    default:
        return kAnswerNo;
    }
}

SharedFileChoice AskSharedFileChoice(const char* message)
{
    switch (AskSharedFile(message)) {
    case kAnswerYes:
        return kChoiceYes;
    case kAnswerYesToAll:
        return kChoiceYesToAll;
    case kAnswerNoToAll:
        return kChoiceNoToAll;
    default:
        return kChoiceNo;
    }
}
