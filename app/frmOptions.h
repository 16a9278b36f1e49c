#pragma once
// The options dialog: the three basic options, what a double-click in the file list does,
// and whether sounds play inside the program. The main window fills it and reads it back.

#include "classlib/win/Form.h"

class TMwCheckGroup;
class TMwGroupBox;
class TMwRadioButton;
class TMwCheckBox;
class TMwBitBtn;

class TfrmOptions : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmOptions(cl::TComponent* owner) : cl::TForm(owner) {}

    // Items: 0 associate ".rfa" files, 1 preview automatically, 2 minimise to the tray.
    TMwCheckGroup* cgBasic = nullptr;
    TMwGroupBox* gbOptions = nullptr;
    TMwRadioButton* rbOpen = nullptr;
    TMwRadioButton* rbSave = nullptr;
    TMwCheckBox* cbPlayWav = nullptr;
    TMwBitBtn* MwBitBtn1 = nullptr;
};
