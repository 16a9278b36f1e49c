#pragma once
// The framed rich edit. This class offers what the program uses so far: the plain rich edit
// of the class library under the library's class name.

#include "classlib/win/RichEdit.h"

class TMwRichEdit : public cl::TRichEdit {
    CL_CLASS_INFO()
public:
    explicit TMwRichEdit(cl::TComponent* owner) : cl::TRichEdit(owner) {}
};
