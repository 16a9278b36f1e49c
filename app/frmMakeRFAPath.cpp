#include "app/frmMakeRFAPath.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Label.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwButtonEdit.h"
#include "controls/basic/MwRadioGroup.h"

const cl::TClassInfo& TfrmMakeRFAPath::StaticClass() {
    using F = TfrmMakeRFAPath;
    static const auto info = cl::TClassBuilder<F>("TfrmMakeRFAPath", cl::TForm::StaticClass())
                                 .Field("MwRadioGroup1", &F::MwRadioGroup1)
                                 .Field("Label2", &F::Label2)
                                 .Field("edtRFATarget", &F::edtRFATarget)
                                 .Field("btnGo", &F::btnGo)
                                 .Field("MwBitBtn2", &F::MwBitBtn2)
                                 .Field("SaveDialog1", &F::SaveDialog1)
                                 .Handler("edtRFATargetButtonClick", &F::edtRFATargetButtonClick)
                                 .Handler("btnGoClick", &F::btnGoClick)
                                 .Build();
    return *info;
}

void TfrmMakeRFAPath::edtRFATargetButtonClick(cl::TObject*) {
    if (!SaveDialog1->Execute()) return;
    std::string target = SaveDialog1->FileName();
    if (cl::UpperCase(cl::ExtractFileExt(target)) != ".RFA") target += ".RFA";
    edtRFATarget->SetCaption(target);
    btnGo->SetEnabled(true);
}

void TfrmMakeRFAPath::btnGoClick(cl::TObject*) {
    if (MwRadioGroup1->ItemIndex() >= 0) return;  // the button's modal result closes the dialog
    SetModalResult(cl::mrNone);
    cl::MessageDlg("You must choose a compression type before building the RFA.", cl::TMsgDlgType::Warning, cl::mbOK);
}
