// The combo box's keys: the type-ahead search of the list styles and the auto-completion of the
// editable style, which works in the edit part's window procedure.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "classlib/core/Restore.h"
#include "classlib/win/Application.h"
#include "controls/basic/ComboSearchText.h"
#include "controls/basic/MwComboBox.h"

namespace {

bool IsLeadByte(char byte) { return IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE; }

// Whether text begins with prefix, without regard to case (as the items are searched).
bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    if (prefix.empty()) return true;
    const int length = static_cast<int>(prefix.size());
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), length, prefix.c_str(), length) == CSTR_EQUAL;
}

}  // namespace

void TMwCustomComboBox::InvalidKeyBeep() {
    if (beepOnInvalidKey_) MessageBeep(0);
}

void TMwCustomComboBox::SelectAndNotify(int index) {
    SetItemIndex(index);
    Click();
    OnChange(this);
}

// ---- list styles ----

void TMwCustomComboBox::SelectMatchingItem(const std::string& search, char key) {
    const int index = FindString(search);
    if (index < 0) {
        InvalidKeyBeep();
        return;
    }
    SelectAndNotify(index);
    DoKeyPress(key);
}

bool TMwCustomComboBox::ReadOnlyKey(const cl::TMessage& m) const {
    if (!readOnly_) return false;
    if (m.msg == WM_KEYDOWN || m.msg == WM_SYSKEYDOWN) {
        switch (m.wParam) {
            case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
            case VK_F4: return true;
            default: return m.msg == WM_SYSKEYDOWN;
        }
    }
    // Only the copy key (Ctrl+C) gets through as a character.
    return (m.msg == WM_CHAR || m.msg == WM_SYSCHAR) && m.wParam != 3;
}

bool TMwCustomComboBox::TypeAheadKey(cl::TMessage& m) {
    if (m.msg == WM_KEYDOWN) {
        if (m.wParam == VK_ESCAPE) escapeClosedList_ = DroppedDown();
        if (m.wParam == VK_ESCAPE || (m.wParam >= VK_PRIOR && m.wParam <= VK_DOWN)) search_.clear();
        return false;
    }
    if (m.msg != WM_CHAR) return false;
    const auto key = static_cast<unsigned>(m.wParam);
    if (key == VK_BACK) {
        if (search_.empty()) {
            InvalidKeyBeep();
            SelectMatchingItem(search_, VK_BACK);
            return true;
        }
        search_ = mw::WithoutLastCharacter(search_, IsLeadByte);
        if (!search_.empty()) {
            SelectMatchingItem(search_, VK_BACK);
            return true;
        }
        SelectAndNotify(0);
        return false;
    }
    if (key == VK_ESCAPE) {
        if (!escapeClosedList_) SelectAndNotify(0);
        escapeClosedList_ = false;
        return true;
    }
    if (key >= 32 && key <= 255) {
        search_ += static_cast<char>(key);
        SelectMatchingItem(search_, static_cast<char>(key));
        SetTimer(Handle(), kTypeAheadTimer, kTypeAheadMilliseconds, nullptr);
        return true;
    }
    return false;
}

// ---- the editable style ----

LRESULT CALLBACK TMwCustomComboBox::EditSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                                     DWORD_PTR data) {
    auto* combo = reinterpret_cast<TMwCustomComboBox*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &TMwCustomComboBox::EditSubclassProc, id);
        combo->edit_ = nullptr;
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    try {
        return combo->EditWndProc(window, msg, wParam, lParam);
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 0;
    }
}

LRESULT TMwCustomComboBox::EditWndProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN:
            systemKey_ = false;
            if (EditKeyDown(edit, wParam)) return 0;
            break;
        case WM_SYSKEYDOWN:
            systemKey_ = true;
            if (readOnly_ && wParam != VK_F4) return 0;
            break;
        case WM_CHAR:
            if (EditChar(edit, wParam)) return 0;
            break;
        case WM_PASTE:
        case WM_CUT:
            // What they leave is taken up when the edit reports its change.
            if (!allowFreeText_) return 0;
            break;
        case WM_CLEAR:
            if (!EditMayChangePart(edit)) return 0;
            break;
        case WM_LBUTTONDOWN: {
            const LRESULT result = DefSubclassProc(edit, msg, wParam, lParam);
            search_ = Text();
            return result;
        }
        default: break;
    }
    return DefSubclassProc(edit, msg, wParam, lParam);
}

void TMwCustomComboBox::EditSelection(HWND edit, size_t& start, size_t& end) {
    DWORD from = 0, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    start = from;
    end = to;
}

void TMwCustomComboBox::SyncSearch(const std::string& text, size_t start, size_t end) {
    const bool completed = start == search_.size() && end == text.size();
    if (!StartsWithNoCase(text, search_) || (search_.size() != text.size() && !completed)) search_ = text;
}

bool TMwCustomComboBox::EditMayChangePart(HWND edit) {
    if (allowFreeText_) return true;
    size_t start = 0, end = 0;
    EditSelection(edit, start, end);
    return start == 0 && end >= Text().size();
}

bool TMwCustomComboBox::EditKeyDown(HWND edit, WPARAM key) {
    if (key != VK_RETURN) enterPressed_ = false;
    switch (key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
            search_.clear();
            return readOnly_;
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_RIGHT:
            search_ = Text();
            return false;
        case VK_ESCAPE:
            escapeClosedList_ = DroppedDown();
            return false;
        case VK_F4: return readOnly_;
        case VK_INSERT: return !allowFreeText_;
        case VK_DELETE: {
            if (readOnly_) return false;  // the read-only edit refuses it by itself
            if (!EditMayChangePart(edit)) return true;
            size_t start = 0, end = 0;
            EditSelection(edit, start, end);
            SyncSearch(Text(), start, end);
            search_ = mw::DeleteInSearch(search_, start, end, IsLeadByte);
            return false;
        }
        default: return false;
    }
}

bool TMwCustomComboBox::EditChar(HWND edit, WPARAM key) {
    if (systemKey_) return false;
    if (readOnly_) return key != 3;  // only Ctrl+C copies
    switch (key) {
        case VK_RETURN:
            if (tabOnEnter_ && !DroppedDown()) {
                PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
                return true;
            }
            enterPressed_ = true;
            return false;
        case VK_BACK: return EditBackspace(edit);
        case VK_ESCAPE: return EditEscape();
        case 0x16:  // Ctrl+V
        case 0x18:  // Ctrl+X
            return !allowFreeText_;
        default: break;
    }
    if (key < 32 || key > 255) return false;
    return EditTyped(edit, static_cast<char>(key));
}

bool TMwCustomComboBox::EditTyped(HWND edit, char key) {
    DoKeyPress(key);
    if (key == 0) return true;
    size_t start = 0, end = 0;
    EditSelection(edit, start, end);
    const std::string text = Text();
    if (maxLength_ > 0 && start == end && static_cast<int>(text.size()) >= maxLength_) {
        InvalidKeyBeep();
        return true;
    }
    std::string typed(1, key);
    MSG trail;
    if (IsLeadByte(key) && PeekMessageA(&trail, edit, WM_CHAR, WM_CHAR, PM_REMOVE)) typed += static_cast<char>(trail.wParam);
    SyncSearch(text, start, end);
    const std::string previous = search_;
    search_ = mw::TypeIntoSearch(previous, start, end, typed);
    if (AutoCompleteText(search_)) return true;
    if (!allowFreeText_) {
        InvalidKeyBeep();
        search_ = previous;
        return true;
    }
    // The typed text stands as it is, without a completed rest: the characters go in at the
    // caret, and the edit reports its change.
    const size_t caret = std::min(start, previous.size());
    SetTextSilently(mw::TypeIntoSearch(text.substr(0, previous.size()), start, end, ""));
    SendMessageA(edit, EM_SETSEL, caret, caret);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    return true;
}

bool TMwCustomComboBox::EditBackspace(HWND edit) {
    size_t start = 0, end = 0;
    EditSelection(edit, start, end);
    SyncSearch(Text(), start, end);
    if (search_.empty()) {
        InvalidKeyBeep();
        return false;
    }
    search_ = mw::BackspaceInSearch(search_, start, end, IsLeadByte);
    if (search_.empty()) {
        {
            const cl::TRestore<bool> restore(internalChange_);
            internalChange_ = true;
            if (completeInEdit_) SetWindowTextA(Handle(), "");
            else SetItemIndex(-1);
        }
        Click();
        OnChange(this);
        return true;
    }
    // Without a match the edit takes the character away itself.
    return AutoCompleteText(search_);
}

bool TMwCustomComboBox::EditEscape() {
    const bool closedList = escapeClosedList_ || DroppedDown();
    escapeClosedList_ = false;
    if (!closedList) {
        const cl::TRestore<bool> restore(internalChange_);
        internalChange_ = true;
        SetItemIndex(-1);
    }
    search_.clear();
    Click();
    OnChange(this);
    return !closedList;
}

bool TMwCustomComboBox::AutoCompleteText(const std::string& search) {
    const int index = FindString(search);
    if (index < 0) return false;
    {
        const cl::TRestore<bool> restore(internalChange_);
        internalChange_ = true;
        if (completeInEdit_) {
            const std::string item = Items(index);
            SetWindowTextA(Handle(), (search + item.substr(std::min(search.size(), item.size()))).c_str());
        } else {
            SetItemIndex(index);
        }
        SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(search.size(), -1));
    }
    Click();
    OnChange(this);
    OnAutoComplete(this);
    return true;
}

void TMwCustomComboBox::EditChanged() {
    if (internalChange_) return;
    if (!edit_ || DroppedDown() || enterPressed_) {
        enterPressed_ = false;
        OnChange(this);
        return;
    }
    const std::string text = Text();
    const bool grew = text.size() > search_.size();
    search_ = text;
    // Text that grew is completed; text that shrank stands, with its item when it names one.
    if (grew && AutoCompleteText(search_)) return;
    if (const int exact = IndexOfItem(text); exact >= 0 && exact != ItemIndex()) {
        size_t start = 0, end = 0;
        EditSelection(edit_, start, end);
        const cl::TRestore<bool> restore(internalChange_);
        internalChange_ = true;
        SetItemIndex(exact);
        SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    }
    OnChange(this);
}

void TMwCustomComboBox::SetTextSilently(const std::string& text) {
    if (text == Text()) return;
    const cl::TRestore<bool> restore(internalChange_);
    internalChange_ = true;
    SetText(text);
}
