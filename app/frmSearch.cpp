#include "app/frmSearch.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwMaskEdit.h"

namespace {
constexpr WORD kEnterKey = 13;
}

const cl::TClassInfo& TfrmSearch::StaticClass() {
    using F = TfrmSearch;
    static const auto info = cl::TClassBuilder<F>("TfrmSearch", cl::TForm::StaticClass())
                                 .Field("MwGroupBox1", &F::MwGroupBox1)
                                 .Field("MwLabel1", &F::MwLabel1)
                                 .Field("edtName", &F::edtName)
                                 .Field("MwBitBtn1", &F::MwBitBtn1)
                                 .Field("MwGroupBox3", &F::MwGroupBox3)
                                 .Field("MwLabel2", &F::MwLabel2)
                                 .Field("edtContent", &F::edtContent)
                                 .Field("MwBitBtn2", &F::MwBitBtn2)
                                 .Handler("edtNameKeyDown", &F::edtNameKeyDown)
                                 .Handler("edtContentKeyDown", &F::edtContentKeyDown)
                                 .Handler("MwBitBtn2Click", &F::MwBitBtn2Click)
                                 .Build();
    return *info;
}

void TfrmSearch::edtNameKeyDown(cl::TObject*, WORD& key, cl::TShiftState) {
    if (key == kEnterKey) SetModalResult(cl::mrOk);
}

void TfrmSearch::edtContentKeyDown(cl::TObject* sender, WORD& key, cl::TShiftState) {
    if (key == kEnterKey) MwBitBtn2Click(sender);
}

void TfrmSearch::MwBitBtn2Click(cl::TObject*) {
    const cl::TModalResult answer = cl::MessageDlg(
        "This could take a while... I've got to open every\rarchived (text) file and scan its contents.\r\rAre you sure "
        "you want to do that?",
        cl::TMsgDlgType::Confirmation, cl::mbYesNo);
    SetModalResult(answer == cl::mrYes ? cl::mrYes : cl::mrCancel);
}

void TfrmSearch::WndProc(cl::TMessage& message) {
    // Enter in a term's edit belongs to the edit's key handler; the dialog keys would take it
    // for the form's default button otherwise.
    if (message.msg == cl::CM_DIALOGKEY && message.wParam == VK_RETURN) {
        const HWND focus = GetFocus();
        for (cl::TEdit* edit : {static_cast<cl::TEdit*>(edtName), static_cast<cl::TEdit*>(edtContent)}) {
            if (edit && edit->HandleAllocated() && edit->Handle() == focus) {
                edit->Perform(WM_KEYDOWN, VK_RETURN, 0);
                message.result = 1;
                return;
            }
        }
    }
    cl::TForm::WndProc(message);
}
