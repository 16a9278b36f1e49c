#pragma once
// The search dialog: a name search (closes with OK) or, after the user agrees to the longer
// wait, a search of the entries' contents (closes with Yes). The main window reads the terms.

#include "classlib/win/Form.h"

class TMwEdit;
class TMwMaskEdit;
class TMwGroupBox;
class TMwLabel;
class TMwBitBtn;

class TfrmSearch : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmSearch(cl::TComponent* owner) : cl::TForm(owner) {}

    TMwGroupBox* MwGroupBox1 = nullptr;
    TMwLabel* MwLabel1 = nullptr;
    TMwMaskEdit* edtName = nullptr;
    TMwBitBtn* MwBitBtn1 = nullptr;
    TMwGroupBox* MwGroupBox3 = nullptr;
    TMwLabel* MwLabel2 = nullptr;
    TMwEdit* edtContent = nullptr;
    TMwBitBtn* MwBitBtn2 = nullptr;

    void edtNameKeyDown(cl::TObject* Sender, WORD& Key, cl::TShiftState Shift);
    void edtContentKeyDown(cl::TObject* Sender, WORD& Key, cl::TShiftState Shift);
    void MwBitBtn2Click(cl::TObject* Sender);

protected:
    void WndProc(cl::TMessage& message) override;
};
