#pragma once
// The framed rich edit: the rich edit of the class library with the library's framing model
// (a frame drawn in the non-client area, colours that follow focus and the enabled state, a
// frame controller), the caret's line and column (1-based) with an event when they change,
// an event telling whether there is a selection to cut or copy and text to paste, and wheel
// scrolling by one line (the system's wheel lines with Ctrl).

#include "classlib/core/Event.h"
#include "classlib/win/RichEdit.h"
#include "controls/basic/MwFramedControl.h"

// (Sender, Line, Column), both 1-based.
using TMwLineColChangeEvent = cl::TEvent<cl::TObject*, int, int>;
// (Sender, HasSelection, CanPaste).
using TMwClipboardChangeEvent = cl::TEvent<cl::TObject*, bool, bool>;
// (Sender, Shift, MousePos in screen coordinates, Handled).
using TMouseWheelUpDownEvent = cl::TEvent<cl::TObject*, cl::TShiftState, cl::TPoint, bool&>;

class TMwRichEdit : public TMwFramedControl<cl::TRichEdit> {
    CL_CLASS_INFO()
public:
    explicit TMwRichEdit(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    int Line();
    // Moves the caret to the start of the line and scrolls that line to the top.
    void SetLine(int line);
    int Column();
    // Moves the caret within its line; a column past the line's end + 1 changes nothing.
    void SetCaretColumn(int column);

    TMwLineColChangeEvent OnLineColChange;
    TMwClipboardChangeEvent OnClipboardChange;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

protected:
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void WndProc(cl::TMessage& message) override;
    void ApplyBackgroundColor() override;
    void Click() override;

private:
    void LineColChanged();
    void ClipboardChanged();
    void Wheel(cl::TMessage& message);
    int LineIndex(int line);

    int wheelDelta_ = 0;  // wheel movement short of a whole notch
};
