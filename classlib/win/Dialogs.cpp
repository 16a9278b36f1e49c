#include "classlib/win/Dialogs.h"

#include "classlib/win/Application.h"
#include "classlib/win/InputQueryDialog.h"
#include "classlib/win/Screen.h"

namespace cl {

TDialogHooks& DialogHooks() {
    static TDialogHooks hooks;
    return hooks;
}

namespace {

HWND DialogOwner() {
    if (TCustomForm* active = Screen().ActiveForm()) return active->Handle();
    TApplication* app = Application();
    if (app && app->MainForm() && app->MainForm()->HandleAllocated()) return app->MainForm()->Handle();
    return app ? app->Handle() : nullptr;
}

const char* Caption(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::Warning: return "Warning";
        case TMsgDlgType::Error: return "Error";
        case TMsgDlgType::Information: return "Information";
        case TMsgDlgType::Confirmation: return "Confirm";
        case TMsgDlgType::Custom: break;
    }
    return Application() ? Application()->Title().c_str() : "";
}

UINT Style(TMsgDlgType type, TMsgDlgButtons buttons) {
    UINT style = MB_OK;
    if ((buttons & mbYesNoCancel) == mbYesNoCancel) style = MB_YESNOCANCEL;
    else if ((buttons & mbYesNo) == mbYesNo) style = MB_YESNO;
    else if ((buttons & mbOKCancel) == mbOKCancel) style = MB_OKCANCEL;
    else if ((buttons & (mbAbort | mbRetry | mbIgnore)) == (mbAbort | mbRetry | mbIgnore)) style = MB_ABORTRETRYIGNORE;
    else if ((buttons & (mbRetry | mbCancel)) == (mbRetry | mbCancel)) style = MB_RETRYCANCEL;
    switch (type) {
        case TMsgDlgType::Warning: style |= MB_ICONWARNING; break;
        case TMsgDlgType::Error: style |= MB_ICONERROR; break;
        case TMsgDlgType::Information: style |= MB_ICONINFORMATION; break;
        case TMsgDlgType::Confirmation: style |= MB_ICONQUESTION; break;
        case TMsgDlgType::Custom: break;
    }
    return style | MB_APPLMODAL;
}

TModalResult FromMessageBoxResult(int result) {
    switch (result) {
        case IDOK: return mrOk;
        case IDCANCEL: return mrCancel;
        case IDABORT: return mrAbort;
        case IDRETRY: return mrRetry;
        case IDIGNORE: return mrIgnore;
        case IDYES: return mrYes;
        case IDNO: return mrNo;
        default: return mrCancel;
    }
}

}  // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (DialogHooks().messageBox) return DialogHooks().messageBox(text, type, buttons);
    return FromMessageBoxResult(MessageBoxA(DialogOwner(), text.c_str(), Caption(type), Style(type, buttons)));
}

void ShowMessage(const std::string& text) { MessageDlg(text, TMsgDlgType::Custom, mbOK); }

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    if (DialogHooks().inputQuery) return DialogHooks().inputQuery(caption, prompt, value);
    return RunInputQueryDialog(DialogOwner(), caption, prompt, value);
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}

}  // namespace cl
