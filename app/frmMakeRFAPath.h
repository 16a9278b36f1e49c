#pragma once
// The build-options dialog: compression on or off, and the archive the build writes. "Go"
// closes it with OK once both are chosen.

#include "classlib/win/Form.h"

namespace cl {
class TLabel;
class TSaveDialog;
}  // namespace cl
class TMwRadioGroup;
class TMwButtonEdit;
class TMwBitBtn;

class TfrmMakeRFAPath : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmMakeRFAPath(cl::TComponent* owner) : cl::TForm(owner) {}

    // Items: 0 compression on, 1 off; none chosen at first.
    TMwRadioGroup* MwRadioGroup1 = nullptr;
    cl::TLabel* Label2 = nullptr;
    TMwButtonEdit* edtRFATarget = nullptr;
    TMwBitBtn* btnGo = nullptr;
    TMwBitBtn* MwBitBtn2 = nullptr;
    cl::TSaveDialog* SaveDialog1 = nullptr;

    // Asks for the archive to write; a name without the ".RFA" extension gets it.
    void edtRFATargetButtonClick(cl::TObject* Sender);
    // Keeps the dialog open until a compression is chosen.
    void btnGoClick(cl::TObject* Sender);
};
