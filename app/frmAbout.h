#pragma once
// The about box: the banner picture, a few words on the program, its links, and a button
// that closes it.

#include "classlib/win/Form.h"

namespace cl {
class TImage;
}
class TMwLabel;
class TMwURLLabel;
class TMwBitBtn;

class TfrmAbout : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmAbout(cl::TComponent* owner) : cl::TForm(owner) {}

    cl::TImage* Image1 = nullptr;
    TMwLabel* MwLabel1 = nullptr;
    TMwLabel* MwLabel2 = nullptr;
    TMwLabel* MwLabel3 = nullptr;
    TMwLabel* MwLabel4 = nullptr;
    TMwURLLabel* MwURLLabel1 = nullptr;
    TMwURLLabel* MwURLLabel2 = nullptr;
    TMwURLLabel* MwURLLabel3 = nullptr;
    TMwBitBtn* MwBitBtn1 = nullptr;

    void MwBitBtn1Click(cl::TObject* Sender);
};
