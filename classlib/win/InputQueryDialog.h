#pragma once
// The input box: a small modal dialog with a prompt, an edit and OK and Cancel buttons.

#include <windows.h>

#include <string>

namespace cl {

bool RunInputQueryDialog(HWND owner, const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace cl
