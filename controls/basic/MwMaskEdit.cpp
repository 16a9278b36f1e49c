#include "controls/basic/MwMaskEdit.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"

const cl::TClassInfo& TMwMaskEdit::StaticClass() {
    using E = TMwMaskEdit;
    static const auto info = cl::TClassBuilder<E>("TMwMaskEdit", TMwCustomEdit::StaticClass())
                                 .Creatable()
                                 .Str("EditMask", &E::EditMask, &E::SetEditMask)
                                 .Event("OnValidateError", &E::OnValidateError)
                                 .Build();
    return *info;
}

void TMwMaskEdit::SetEditMask(const std::string& v) {
    if (v == editMask_) return;
    editMask_ = v;
    mask_ = mw::TEditMask(v);
    if (HandleAllocated() && !mask_.Empty()) SetText(mask_.BlankText());
}

void TMwMaskEdit::InitializeWnd() {
    TMwCustomEdit::InitializeWnd();
    if (!mask_.Empty() && Text().empty()) SetText(mask_.BlankText());
}

std::string TMwMaskEdit::MaskedValue() { return mask_.Empty() ? Text() : mask_.Value(Text()); }

void TMwMaskEdit::ValidateEdit() {
    if (mask_.Empty() || mask_.Complete(Text())) return;
    std::string message;
    if (OnValidateError) {
        OnValidateError(this, message);
        if (!message.empty()) {
            MessageBeep(0);
            throw cl::EDBEditError(message);
        }
    }
    MessageBeep(0);
    throw cl::EDBEditError(kInvalidInput);
}

int TMwMaskEdit::Caret() {
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TMwMaskEdit::SetCaret(size_t pos) { SendMessageA(Handle(), EM_SETSEL, pos, static_cast<LPARAM>(pos)); }

bool TMwMaskEdit::TypeCharacter(char c) {
    const size_t pos = mask_.NextInputSlot(static_cast<size_t>(Caret()));
    const char stored = mask_.Accept(pos, c);
    if (!stored) return false;
    std::string text = Text();
    text.resize(mask_.Length(), mask_.BlankChar());
    text[pos] = stored;
    SetText(text);
    SetCaret(mask_.NextInputSlot(pos + 1));
    return true;
}

// Backspace blanks the input slot before the caret, Delete the one at it.
void TMwMaskEdit::Erase(bool backwards) {
    size_t pos = static_cast<size_t>(Caret());
    if (backwards) {
        while (pos > 0 && mask_.IsLiteral(pos - 1)) --pos;
        if (pos == 0) return;
        --pos;
    } else {
        pos = mask_.NextInputSlot(pos);
        if (pos >= mask_.Length()) return;
    }
    std::string text = Text();
    text.resize(mask_.Length(), mask_.BlankChar());
    text[pos] = mask_.BlankChar();
    SetText(text);
    SetCaret(pos);
}

void TMwMaskEdit::WndProc(cl::TMessage& m) {
    if (!mask_.Empty() && !ReadOnly()) {
        switch (m.msg) {
            case WM_CHAR:
                if (m.wParam == VK_BACK) {
                    Erase(true);
                    return;
                }
                if (m.wParam >= 32 && m.wParam <= 255) {
                    if (!TypeCharacter(static_cast<char>(m.wParam))) MessageBeep(0);
                    return;
                }
                break;
            case WM_KEYDOWN:
                if (m.wParam == VK_DELETE) {
                    Erase(false);
                    return;
                }
                break;
            case WM_KILLFOCUS:
                TMwCustomEdit::WndProc(m);
                if (Text() != mask_.BlankText()) ValidateEdit();
                return;
            default: break;
        }
    }
    TMwCustomEdit::WndProc(m);
}
