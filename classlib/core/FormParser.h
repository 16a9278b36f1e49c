#pragma once
// Parses the text of a form resource (format in FormTree.h).

#include <string>

#include "classlib/core/FormTree.h"

namespace cl {

// EFormReadError "Error reading form <formName>, line <n>: <what>" on malformed text.
TFormObject ParseFormText(const std::string& text, const std::string& formName);

}  // namespace cl
