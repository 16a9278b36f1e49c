#pragma once
// A titled group frame over the framed panel: the caption sits in a gap of the frame's top
// line, and children align below it.
//
// This class offers what the program uses so far: the four styles drawn in the classic look.

#include "controls/basic/MwPanel.h"

enum class TGroupBoxStyle { Standard, Custom, TopLine, Flat };

class TMwCustomGroupBox : public TMwCustomPanel {
    CL_CLASS_INFO()
public:
    explicit TMwCustomGroupBox(cl::TComponent* owner);

    TGroupBoxStyle GroupStyle() const { return groupStyle_; }
    // gsCustom and gsTopLine switch ThemeAware off.
    void SetGroupStyle(TGroupBoxStyle style);

protected:
    void Paint(cl::TCanvas& canvas) override;
    cl::TRect AlignArea() override;

private:
    int TextHeight(const char* sample);

    TGroupBoxStyle groupStyle_ = TGroupBoxStyle::Flat;
};

class TMwGroupBox : public TMwCustomGroupBox {
    CL_CLASS_INFO()
public:
    explicit TMwGroupBox(cl::TComponent* owner) : TMwCustomGroupBox(owner) {}
};

