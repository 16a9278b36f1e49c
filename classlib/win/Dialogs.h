#pragma once
// Message boxes of the four kinds the programs use, the input box, and the seam through which
// tests answer them instead of a person.

#include <functional>
#include <string>

#include "classlib/win/Form.h"

namespace cl {

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };
using TMsgDlgButtons = unsigned;
enum : TMsgDlgButtons { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64 };
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// Shows a modal message box owned by the active form; returns mrYes, mrNo, mrOk, mrCancel...
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// A plain message box with an OK button.
void ShowMessage(const std::string& text);
// Asks for a line of text; true with the text when the user pressed OK.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The text entered, or the default when the user cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

// Test seams: while set, each replaces the dialog it names and no window appears.
struct TDialogHooks {
    // Gets the text, the kind and the buttons; returns the button pressed.
    std::function<TModalResult(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)> messageBox;
    // Gets caption and prompt and the value (to change); returns whether OK was pressed.
    std::function<bool(const std::string& caption, const std::string& prompt, std::string& value)> inputQuery;
};
TDialogHooks& DialogHooks();

}  // namespace cl
