#include "uninstaller/app/SourcePrompt.h"

#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/DialogPreparation.h"
#include "uninstaller/app/MessageFormat.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/WizardAnimation.h"

namespace {

const int kSourceDialog = 107;
const int kMessageControl = 1002;
const int kPathEdit = 1010;
const size_t kLongestSourcePath = 256;

SourcePathHook sourcePathHook;

struct SourceQuestion {
    const char* text;
    char* path;
    size_t size;
};

void SetText(HWND dialog, int id, unsigned textId)
{
    char text[256];
    LoadMessage(textId, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

void InitDialog(HWND dialog, SourceQuestion& question)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&question));
    PrepareDialog(dialog);
    char caption[256];
    LoadMessage(78, caption, sizeof caption);
    SetWindowTextA(dialog, caption);
    SetDlgItemTextA(dialog, kMessageControl, question.text);
    SetText(dialog, IDOK, 80);
    SetText(dialog, IDCANCEL, 48);
    size_t longest = question.size - 1 < kLongestSourcePath ? question.size - 1 : kLongestSourcePath;
    SendDlgItemMessageA(dialog, kPathEdit, EM_LIMITTEXT, longest, 0);
    SetDlgItemTextA(dialog, kPathEdit, question.path);
    CentreDialog(dialog);
}

void TakeEnteredPath(HWND dialog)
{
    auto* question = reinterpret_cast<SourceQuestion*>(GetWindowLongPtrA(dialog, DWLP_USER));
    char entered[kLongestSourcePath + 1];
    GetDlgItemTextA(dialog, kPathEdit, entered, sizeof entered);
    size_t length = std::strlen(entered);
    if (length >= question->size)
        length = question->size - 1;
    std::memcpy(question->path, entered, length);
    question->path[length] = '\0';
}

}  // namespace

extern "C" INT_PTR CALLBACK PromptDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, *reinterpret_cast<SourceQuestion*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            TakeEnteredPath(dialog);
            EndDialog(dialog, kSourcePromptOk);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, kSourcePromptCancel);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void SetSourcePathHook(SourcePathHook hook)
{
    sourcePathHook = hook;
}

int AskSourcePath(const char* identity, char* path, size_t size)
{
    if (g_app.commandLine.silent || size == 0)
        return kSourcePromptCancel;
    char shownIdentity[512], text[1024];
    std::strncpy(shownIdentity, identity, sizeof shownIdentity - 1);
    shownIdentity[sizeof shownIdentity - 1] = '\0';
    for (char* bar = std::strchr(shownIdentity, '|'); bar; bar = std::strchr(bar + 1, '|'))
        *bar = '/';
    FormatMessageText(79, shownIdentity, text, sizeof text);
    AnimationPause pause;
    if (sourcePathHook)
        return sourcePathHook(text, path, size);

    SourceQuestion question{text, path, size};
    INT_PTR answer = DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(kSourceDialog), g_app.wizard, PromptDlg,
                                     reinterpret_cast<LPARAM>(&question));
    return answer == kSourcePromptOk ? kSourcePromptOk : kSourcePromptCancel;
}
