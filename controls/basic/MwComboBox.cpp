#include "controls/basic/MwComboBox.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Handles.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;
using cl::TRect;

namespace {

const cl::TEnumNames kComboStyleNames{{{"csDropDown", 0}, {"csSimple", 1}, {"csDropDownList", 2}, {"csOwnerDrawFixed", 3},
                                       {"csOwnerDrawVariable", 4}}};

bool IsLeadByte(const std::string& text, size_t index) {
    return IsDBCSLeadByte(static_cast<BYTE>(text[index])) != FALSE;
}

// Removes the last character (both bytes of a double-byte one).
void RemoveLastCharacter(std::string& text) {
    if (text.empty()) return;
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += IsLeadByte(text, i) && i + 1 < text.size() ? 2 : 1) last = i;
    text.erase(last);
}

}  // namespace

const cl::TClassInfo& TMwCustomComboBox::StaticClass() {
    using C = TMwCustomComboBox;
    static const auto info = [] {
        cl::TClassBuilder<C> builder("TMwCustomComboBox", cl::TControl::StaticClass());
        AddFrameProperties(builder)
            .Enum<TMwAboutInfo>("About", &C::About, &C::SetAbout, kAboutInfoNames)
            .Bool("BeepOnInvalidKey", &C::BeepOnInvalidKey, &C::SetBeepOnInvalidKey)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter)
            .Int("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth)
            .Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons)
            .Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor)
            .Bool("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown)
            .Int("DropDownCount", &C::DropDownCount, &C::SetDropDownCount)
            .Bool("Sorted", &C::Sorted, &C::SetSorted)
            .Enum<TComboBoxStyle>("Style", &C::Style, &C::SetStyle, kComboStyleNames)
            .Int("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
            .Event("OnChange", &C::OnChange)
            .Event("OnDropDown", &C::OnDropDown)
            .Event("OnCloseUp", &C::OnCloseUp);
        return builder.Build();
    }();
    return *info;
}

TMwCustomComboBox::TMwCustomComboBox(cl::TComponent* owner) : TMwFramedControl<cl::TControl>(owner) {
    SetBounds(0, 0, 145, 21);
    SetColor(cl::clWindow);
}

// ---- window ----

void TMwCustomComboBox::CreateParams(TCreateParams& params) {
    TMwFramedControl<cl::TControl>::CreateParams(params);
    params.windowClass = "COMBOBOX";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (style_) {
        case TComboBoxStyle::DropDown: params.style |= CBS_DROPDOWN; break;
        case TComboBoxStyle::Simple: params.style |= CBS_SIMPLE; break;
        case TComboBoxStyle::DropDownList: params.style |= CBS_DROPDOWNLIST; break;
        case TComboBoxStyle::OwnerDrawFixed: params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
        case TComboBoxStyle::OwnerDrawVariable:
            params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
            break;
    }
    if (sorted_) params.style |= CBS_SORT;
}

void TMwCustomComboBox::InitializeWnd() {
    TMwFramedControl<cl::TControl>::InitializeWnd();
    if (OwnerDrawn()) {
        SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
        SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
    }
    FillItems();
    ApplyListHeight();
    if (dropDownWidth_ > 0) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropDownWidth_), 0);
    edit_ = ListStyle() ? nullptr : GetWindow(Handle(), GW_CHILD);
    if (!edit_) return;
    if (readOnly_) SendMessageA(edit_, EM_SETREADONLY, TRUE, 0);
    SetPropA(edit_, "MwComboBox", this);
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMwCustomComboBox::EditWindowProc)));
}

LRESULT CALLBACK TMwCustomComboBox::EditWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* combo = static_cast<TMwCustomComboBox*>(GetPropA(window, "MwComboBox"));
    WNDPROC proc = combo ? combo->editProc_ : DefWindowProcA;
    try {
        if (msg == WM_NCDESTROY && combo) {
            RemovePropA(window, "MwComboBox");
            combo->edit_ = nullptr;
        } else if (combo && combo->EditKey(window, msg, wParam)) {
            return 0;
        }
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 0;
    }
    return CallWindowProcA(proc, window, msg, wParam, lParam);
}

bool TMwCustomComboBox::AutoCompleteText(const std::string& search) {
    const int index = FindString(search);
    if (index < 0) return false;
    SetItemIndex(index);
    Click();
    OnChange(this);
    SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(search.size(), -1));
    OnAutoComplete(this);
    return true;
}

bool TMwCustomComboBox::EditKey(HWND edit, UINT msg, WPARAM wParam) {
    if (readOnly_) {
        if (msg == WM_KEYDOWN) return wParam == VK_PRIOR || wParam == VK_NEXT || wParam == VK_UP || wParam == VK_DOWN || wParam == VK_F4;
        if (msg == WM_SYSKEYDOWN) return true;
        if (msg == WM_CHAR) return wParam != 3;  // only Ctrl+C copies
        return false;
    }
    if (msg == WM_KEYDOWN && (wParam == VK_PRIOR || wParam == VK_NEXT || wParam == VK_UP || wParam == VK_DOWN)) search_.clear();
    if (msg != WM_CHAR) return false;
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::string text = Text();
    if (wParam == VK_BACK) {
        if (start == end && start == 0) {
            InvalidKeyBeep();
            return true;
        }
        search_ = text.substr(0, start == end ? start - 1 : start);
        if (search_.empty()) {
            SetItemIndex(-1);
            Click();
            OnChange(this);
            return false;
        }
        if (!AutoCompleteText(search_)) return false;
        return true;
    }
    if (wParam < 32 || wParam > 255) return false;
    const std::string previous = text.substr(0, start) + text.substr(std::min<size_t>(end, text.size()));
    search_ = text.substr(0, start) + static_cast<char>(wParam);
    if (AutoCompleteText(search_)) return true;
    if (allowFreeText_) {
        // The typed text stands as it is; the platform adds the character.
        SetWindowTextA(edit, previous.c_str());
        SendMessageA(edit, EM_SETSEL, start, start);
        return false;
    }
    InvalidKeyBeep();
    search_ = text.substr(0, start);
    return true;
}

void TMwCustomComboBox::ApplyListHeight() {
    if (!HandleAllocated()) return;
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + dropDownCount_ * itemHeight_ + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMwCustomComboBox::SetBounds(int left, int top, int width, int height) {
    TMwFramedControl<cl::TControl>::SetBounds(left, top, width, height);
    ApplyListHeight();
}

// ---- properties ----

void TMwCustomComboBox::SetDropDownCount(int v) {
    dropDownCount_ = v;
    ApplyListHeight();
}

void TMwCustomComboBox::SetDropDownWidth(int v) {
    if (v == dropDownWidth_) return;
    dropDownWidth_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(v), 0);
}

void TMwCustomComboBox::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    if (!HandleAllocated()) return;
    if (!ListStyle()) {
        if (HWND edit = GetWindow(Handle(), GW_CHILD)) SendMessageA(edit, EM_SETREADONLY, v, 0);
    }
    Invalidate();
}

void TMwCustomComboBox::SetFlatButtons(bool v) { StoreAndInvalidate(flatButtons_, v); }
void TMwCustomComboBox::SetFlatButtonColor(cl::TColor v) { StoreAndInvalidate(flatButtonColor_, v); }

void TMwCustomComboBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TMwCustomComboBox::SetStyle(TComboBoxStyle v) {
    if (v == style_) return;
    style_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TMwCustomComboBox::SetItemHeight(int v) {
    if (!OwnerDrawn() || v == itemHeight_) return;
    itemHeight_ = v;
    if (HandleAllocated()) RecreateWnd();
}

// ---- items ----

int TMwCustomComboBox::ItemCount() { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TMwCustomComboBox::Items(int index) {
    const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) throw cl::EListError("List index out of bounds (" + std::to_string(index) + ")");
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int TMwCustomComboBox::AddItem(const std::string& text, LPARAM data) {
    const auto index = static_cast<int>(SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return index;
}

void TMwCustomComboBox::InsertItem(int index, const std::string& text, LPARAM data) {
    const LRESULT at = SendMessageA(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (at >= 0) SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(at), data);
}

void TMwCustomComboBox::DeleteItem(int index) { SendMessageA(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0); }

LPARAM TMwCustomComboBox::ItemData(int index) {
    return static_cast<LPARAM>(SendMessageA(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int TMwCustomComboBox::ItemIndex() { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TMwCustomComboBox::SetItemIndex(int index) { SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int TMwCustomComboBox::FindString(const std::string& text) {
    const LRESULT index =
        SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

int TMwCustomComboBox::IndexOfItem(const std::string& text) {
    for (int i = 0, count = ItemCount(); i < count; ++i)
        if (Items(i) == text) return i;
    return -1;
}

bool TMwCustomComboBox::DroppedDown() {
    return HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TMwCustomComboBox::SetDroppedDown(bool v) { SendMessageA(Handle(), CB_SHOWDROPDOWN, v, 0); }

// ---- notifications ----

bool TMwCustomComboBox::CommandNotification(WORD code) {
    switch (code) {
        case CBN_SELCHANGE: OnChange(this); return true;
        case CBN_DROPDOWN: DropDown(); return true;
        case CBN_CLOSEUP: CloseUp(); return true;
        case CBN_SELENDOK: OnSelectionConfirmed(this); return true;
        case CBN_SELENDCANCEL: OnSelectionCancelled(this); return true;
        case CBN_KILLFOCUS:
            if (style_ == TComboBoxStyle::DropDown) {
                const std::string text = Text();
                if (!text.empty() && IndexOfItem(text) < 0) OnExitUnlistedText(this, text);
            }
            return false;
        default: return false;
    }
}

void TMwCustomComboBox::ReleaseItemData(int index) {
    const LRESULT data = SendMessageA(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == 0 || data == CB_ERR) return;
    OnDeleteItem(this, static_cast<LPARAM>(data));
    SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), 0);
}

void TMwCustomComboBox::CloseUp() {
    OnCloseUp(this);
    Invalidate();
}

void TMwCustomComboBox::InvalidKeyBeep() {
    if (beepOnInvalidKey_) MessageBeep(0);
}

void TMwCustomComboBox::SelectAndNotify(int index) {
    SetItemIndex(index);
    Click();
    OnChange(this);
}

void TMwCustomComboBox::SelectMatchingItem(const std::string& search) {
    const int index = FindString(search);
    if (index < 0) {
        InvalidKeyBeep();
        return;
    }
    SelectAndNotify(index);
}

// ---- owner drawing ----

bool TMwCustomComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_COMBOBOX) return false;
    DrawListItem(item.hDC, static_cast<int>(item.itemID), TRect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                 item.itemState);
    return true;
}

void TMwCustomComboBox::DrawListItem(HDC dc, int index, TRect r, UINT state) {
    cl::TCanvas canvas(dc);
    const bool selected = (state & ODS_SELECTED) != 0;
    canvas.SetBrushColor(selected ? cl::clHighlight : Color());
    canvas.FillRect(r);
    if (index >= 0) {
        const cl::TSelectObject select(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, cl::ColorToRGB(selected ? cl::clHighlightText : Font()->Color()));
        const std::string text = Items(index);
        TextOutA(dc, r.left + 2, r.top + 1, text.c_str(), static_cast<int>(text.size()));
    }
    if (state & ODS_FOCUS) {
        const RECT focus{r.left, r.top, r.right, r.bottom};
        DrawFocusRect(dc, &focus);
    }
}

// ---- keys, mouse and painting ----

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
            SelectMatchingItem(search_);
            return true;
        }
        RemoveLastCharacter(search_);
        if (!search_.empty()) {
            SelectMatchingItem(search_);
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
        SelectMatchingItem(search_);
        SetTimer(Handle(), kTypeAheadTimer, kTypeAheadMilliseconds, nullptr);
        return true;
    }
    return false;
}

void TMwCustomComboBox::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_NCPAINT:
            // The border belongs to the client area; the frame is drawn after WM_PAINT.
            cl::TControl::WndProc(m);
            return;
        case WM_PAINT:
            TMwFramedControl<cl::TControl>::WndProc(m);
            PaintFrameAndButton();
            return;
        case WM_TIMER:
            if (m.wParam != kTypeAheadTimer) break;
            KillTimer(Handle(), kTypeAheadTimer);
            search_.clear();
            return;
        case WM_KILLFOCUS: search_.clear(); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (readOnly_) {
                SetFocus();
                return;
            }
            break;
        case WM_MOUSEWHEEL: Wheel(m); return;
        case CB_DELETESTRING:
            if (OnDeleteItem) ReleaseItemData(static_cast<int>(m.wParam));
            break;
        case CB_RESETCONTENT:
            if (OnDeleteItem)
                for (int i = 0, count = ItemCount(); i < count; ++i) ReleaseItemData(i);
            break;
        case WM_GETDLGCODE:
            if (!tabOnEnter_) break;
            TMwFramedControl<cl::TControl>::WndProc(m);
            if (const auto* key = reinterpret_cast<const MSG*>(m.lParam); key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
                m.result |= DLGC_WANTALLKEYS;
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (ReadOnlyKey(m)) return;
            if (m.msg == WM_CHAR && m.wParam == VK_RETURN && tabOnEnter_ && !DroppedDown()) {
                PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
                return;
            }
            if (ListStyle() && TypeAheadKey(m)) return;
            break;
        default: break;
    }
    TMwFramedControl<cl::TControl>::WndProc(m);
}

// The list open: scroll it. Closed: step to the next or previous item.
void TMwCustomComboBox::Wheel(cl::TMessage& m) {
    wheelDelta_ += GET_WHEEL_DELTA_WPARAM(m.wParam);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    while (wheelDelta_ >= WHEEL_DELTA || wheelDelta_ <= -WHEEL_DELTA) {
        const bool down = wheelDelta_ < 0;
        wheelDelta_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        if (DroppedDown()) {
            const int top = static_cast<int>(SendMessageA(Handle(), CB_GETTOPINDEX, 0, 0));
            SendMessageA(Handle(), CB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, top + (down ? 1 : -1) * static_cast<int>(lines))), 0);
            continue;
        }
        const int index = ItemIndex(), last = ItemCount() - 1;
        if (down) {
            if (index < last) SelectAndNotify(index + 1);
        } else if (index <= 0) {
            if (last >= 0) SetItemIndex(0);
        } else {
            SelectAndNotify(index - 1);
        }
    }
    m.result = 0;
}

void TMwCustomComboBox::RepaintFrame() {
    if (!HandleAllocated()) return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

// Flat buttons and hot frames follow focus and the pointer; only the button strip changes
// without hot tracking.
void TMwCustomComboBox::UpdateFrame(bool viaMouse, bool inFocus) {
    TMwFramedControl<cl::TControl>::UpdateFrame(viaMouse, inFocus);
    if (!HandleAllocated() || (!flatButtons_ && !FrameHotTrack()) || DroppedDown()) return;
    RECT r;
    GetClientRect(Handle(), &r);
    if (!FrameHotTrack()) r.left = r.right - GetSystemMetrics(SM_CXVSCROLL) - 2;
    RedrawWindow(Handle(), &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

void TMwCustomComboBox::PaintFrameAndButton() {
    const bool themes = ThemeServices().ThemesEnabled();
    const bool useThemes = UseThemes();
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    HDC dc = GetDC(Handle());
    try {
        cl::TCanvas canvas(dc);
        const int b = themes ? 1 : 2;
        const TRect button{width - b - GetSystemMetrics(SM_CXVSCROLL), b, width - b, height - b};
        const bool white = cl::ColorToRGB(Color()) == RGB(255, 255, 255);
        auto ring = [&](int inset) {
            canvas.SetBrushColor(Color());
            canvas.FrameRect({inset, inset, width - inset, height - inset});
        };
        if (themes && !white) {
            ring(1);
            ring(2);
        }
        if (FrameVisible() && !useThemes) {
            if (themes) {
                if (!white) ring(0);
            } else {
                ring(0);
                ring(1);
            }
        }
        if (themes) {
            canvas.SetBrushColor(Color());
            canvas.FillRect({button.left - 3, button.top, button.left, button.bottom});
        }
        const bool dropped = DroppedDown();
        if (readOnly_) {
            canvas.SetBrushColor(Color());
            canvas.FillRect(button);
        } else if (flatButtons_) {
            if (!Focused() && !MouseOver()) {
                canvas.SetBrushColor(Color());
                canvas.FillRect(button);
                DrawSpinArrow(canvas, button, themes, Enabled(), false);
            } else if (themes) {
                ThemeServices().DrawElement(dc, ThemeElementDetails(dropped ? TThemedComboBox::DropDownButtonPressed
                                                                            : TThemedComboBox::DropDownButtonHot),
                                            button);
            } else {
                TRect inner = flatButtonColor_ == cl::clBtnFace
                                  ? PaintBevel(canvas, button, dropped ? cl::clBtnShadow : cl::clBtnHighlight,
                                               dropped ? cl::clBtnHighlight : cl::clBtnShadow, 1, sdAll)
                                  : DrawColorBorderAll(canvas, button, flatButtonColor_,
                                                       dropped ? TFrameStyle::Status : TFrameStyle::Popup);
                canvas.SetBrushColor(flatButtonColor_);
                canvas.FillRect(inner);
                DrawSpinArrow(canvas, inner, false, Enabled(), dropped);
            }
        }
        if (FrameVisible() && !useThemes) {
            const bool hot = FrameHotTrack() && (Focused() || MouseOver());
            DrawControlFrame(canvas, width, height, true, FrameSides(), hot ? FrameHotColor() : FrameColor(), Color(),
                             hot ? FrameHotStyle() : FrameStyle());
        }
    } catch (...) {
        ReleaseDC(Handle(), dc);
        throw;
    }
    ReleaseDC(Handle(), dc);
}
