#include "controls/basic/MwRichEdit.h"

#include <richedit.h>
#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"

using namespace mw;

const cl::TClassInfo& TMwRichEdit::StaticClass() {
    using R = TMwRichEdit;
    static const auto info = [] {
        cl::TClassBuilder<R> builder("TMwRichEdit", cl::TRichEdit::StaticClass());
        AddFrameProperties(builder)
            .Creatable()
            .Enum<TMwAboutInfo>("About", &R::About, &R::SetAbout, kAboutInfoNames)
            .Event("OnLineColChange", &R::OnLineColChange)
            .Event("OnClipboardChange", &R::OnClipboardChange)
            .Event("OnMouseWheelUp", &R::OnMouseWheelUp)
            .Event("OnMouseWheelDown", &R::OnMouseWheelDown);
        return builder.Build();
    }();
    return *info;
}

TMwRichEdit::TMwRichEdit(cl::TComponent* owner) : TMwFramedControl<cl::TRichEdit>(owner) {}

// ---- line and column ----

int TMwRichEdit::LineIndex(int line) {
    return static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int TMwRichEdit::Line() {
    return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()), 0)) + 1;
}

int TMwRichEdit::Column() { return SelStart() - LineIndex(Line() - 1) + 1; }

void TMwRichEdit::SetCaretColumn(int column) {
    const int start = LineIndex(Line() - 1);
    const int length = static_cast<int>(SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    if (column < 1 || column > length + 1) return;
    const int caret = start + column - 1;
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
    LineColChanged();
}

void TMwRichEdit::SetLine(int line) {
    const int start = LineIndex(line - 1);
    if (start < 0) return;
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
    if (Line() != line) return;
    const int first = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageA(Handle(), EM_LINESCROLL, 0, line - first - 1);
    LineColChanged();
}

void TMwRichEdit::LineColChanged() {
    if (OnLineColChange) OnLineColChange(this, Line(), Column());
    ClipboardChanged();
}

void TMwRichEdit::ClipboardChanged() {
    if (OnClipboardChange) OnClipboardChange(this, SelLength() != 0, IsClipboardFormatAvailable(CF_TEXT) != FALSE);
}

// ---- notifications ----

void TMwRichEdit::InitializeWnd() {
    TMwFramedControl<cl::TRichEdit>::InitializeWnd();
    const LRESULT mask = SendMessageA(Handle(), EM_GETEVENTMASK, 0, 0);
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, mask | ENM_SELCHANGE);
    LineColChanged();
}

void TMwRichEdit::ApplyBackgroundColor() {
    SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(cl::ColorToRGB(Color())));
}

bool TMwRichEdit::CommandNotification(WORD code) {
    const bool handled = TMwFramedControl<cl::TRichEdit>::CommandNotification(code);
    if (code == EN_CHANGE) LineColChanged();
    return handled;
}

bool TMwRichEdit::Notify(NMHDR* header, LRESULT& result) {
    if (header->code != EN_SELCHANGE) return TMwFramedControl<cl::TRichEdit>::Notify(header, result);
    ClipboardChanged();
    return true;
}

void TMwRichEdit::Click() {
    TMwFramedControl<cl::TRichEdit>::Click();
    LineColChanged();
}

void TMwRichEdit::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_MOUSEWHEEL: Wheel(m); return;
        case WM_KEYDOWN:
        case WM_KEYUP:
            TMwFramedControl<cl::TRichEdit>::WndProc(m);
            LineColChanged();
            return;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            TMwFramedControl<cl::TRichEdit>::WndProc(m);
            ClipboardChanged();
            return;
        default: TMwFramedControl<cl::TRichEdit>::WndProc(m);
    }
}

// Each notch runs the wheel event, then scrolls one line, or the system's wheel lines with Ctrl.
void TMwRichEdit::Wheel(cl::TMessage& m) {
    wheelDelta_ += GET_WHEEL_DELTA_WPARAM(m.wParam);
    const cl::TShiftState shift = cl::ShiftStateFromKeys(GET_KEYSTATE_WPARAM(m.wParam));
    const cl::TPoint pos{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    UINT wheelLines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    const int lines = (shift & cl::ssCtrl) ? static_cast<int>(wheelLines) : 1;
    while (wheelDelta_ >= WHEEL_DELTA || wheelDelta_ <= -WHEEL_DELTA) {
        const bool down = wheelDelta_ < 0;
        wheelDelta_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        bool handled = false;
        (down ? OnMouseWheelDown : OnMouseWheelUp)(this, shift, pos, handled);
        SendMessageA(Handle(), EM_LINESCROLL, 0, down ? lines : -lines);
    }
    m.result = 0;
}
