#pragma once
// The select-folder dialog as placed on a form: publishes the dialog's properties and events.

#include "controls/shell/MwCustomSelectFolderDialog.h"

class TMwSelectFolderDialog : public TMwCustomSelectFolderDialog {
    CL_CLASS_INFO()
public:
    explicit TMwSelectFolderDialog(cl::TComponent* owner) : TMwCustomSelectFolderDialog(owner) {}
};
