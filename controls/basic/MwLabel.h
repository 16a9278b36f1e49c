#pragma once
// A label of the library.
//
// This class offers what the program uses so far: the platform label's text, font, alignment
// and word wrap; the 3-D text styles, borders, blinking and rotation come later.

#include "classlib/win/Label.h"
#include "controls/foundation/FrameModel.h"

class TMwLabel : public cl::TLabel {
    CL_CLASS_INFO()
public:
    explicit TMwLabel(cl::TComponent* owner) : cl::TLabel(owner) {}

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}
};
