#include "classlib/win/InputQueryDialog.h"

#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"

namespace cl {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// An in-memory dialog template: the header, then one DWORD-aligned record per control. Texts in
// a template are always UTF-16; the caller's ANSI texts are set once the dialog exists.
class TDialogTemplate {
public:
    TDialogTemplate(DWORD style, short width, short height, WORD controlCount) {
        DLGTEMPLATE header = {};
        header.style = style;
        header.cdit = controlCount;
        header.cx = width;
        header.cy = height;
        Append(header);
        AppendWord(0);       // no menu
        AppendWord(0);       // the standard dialog class
        AppendText(L"");     // the caption comes later
        AppendWord(8);       // font size (DS_SETFONT)
        AppendText(L"MS Shell Dlg");
    }

    void AddControl(WORD windowClass, WORD id, DWORD style, short x, short y, short width, short height,
                    const wchar_t* text) {
        while (bytes_.size() % 4) bytes_.push_back(0);
        DLGITEMTEMPLATE item = {};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = width;
        item.cy = height;
        item.id = id;
        Append(item);
        AppendWord(0xFFFF);  // a predefined class by its number
        AppendWord(windowClass);
        AppendText(text);
        AppendWord(0);  // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    template <class T>
    void Append(const T& value) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
        bytes_.insert(bytes_.end(), bytes, bytes + sizeof(T));
    }
    void AppendWord(WORD value) { Append(value); }
    void AppendText(const wchar_t* text) {
        do AppendWord(static_cast<WORD>(*text));
        while (*text++);
    }

    std::vector<unsigned char> bytes_;  // new[] aligns the start as DLGTEMPLATE requires
};

struct TInputQueryState {
    const std::string& caption;
    const std::string& prompt;
    const std::string& initialValue;
    std::string edited;
};

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK InputQueryProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
            case WM_INITDIALOG: {
                const auto& state = *reinterpret_cast<TInputQueryState*>(lParam);
                SetWindowLongPtrA(dialog, DWLP_USER, lParam);
                SetWindowTextA(dialog, state.caption.c_str());
                SetDlgItemTextA(dialog, kPromptId, state.prompt.c_str());
                HWND edit = GetDlgItem(dialog, kEditId);
                SetWindowTextA(edit, state.initialValue.c_str());
                SendMessageA(edit, EM_SETSEL, 0, -1);
                SetFocus(edit);
                return FALSE;  // focus is set
            }
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    auto& state = *reinterpret_cast<TInputQueryState*>(GetWindowLongPtrA(dialog, DWLP_USER));
                    state.edited = WindowText(GetDlgItem(dialog, kEditId));
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                }
                break;
            default:
                break;
        }
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    return FALSE;
}

}  // namespace

bool RunInputQueryDialog(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) {
    // Sizes in dialog units.
    TDialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 61, 4);
    dialog.AddControl(kStaticClass, kPromptId, SS_LEFT, 7, 7, 186, 9, L"");
    dialog.AddControl(kEditClass, kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, 186, 12, L"");
    dialog.AddControl(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 40, 50, 14, L"OK");
    dialog.AddControl(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 143, 40, 50, 14, L"Cancel");

    TInputQueryState state{caption, prompt, value, {}};
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner, &InputQueryProc,
                                                   reinterpret_cast<LPARAM>(&state));
    if (result == -1) throw Exception("Cannot show the input box");
    if (result != IDOK) return false;  // Cancel, or the program is quitting
    value = state.edited;
    return true;
}

}  // namespace cl
