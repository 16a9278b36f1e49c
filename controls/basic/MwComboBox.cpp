#include "controls/basic/MwComboBox.h"

#include <commctrl.h>
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
            .Int("MaxLength", &C::MaxLength, &C::SetMaxLength)
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
    params.exStyle = BiDiModeExStyle();
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
    objects_.clear();
    FillItems();
    ApplyListHeight();
    if (dropDownWidth_ > 0) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropDownWidth_), 0);
    edit_ = ListStyle() ? nullptr : GetWindow(Handle(), GW_CHILD);
    if (!edit_) return;
    SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (readOnly_) SendMessageA(edit_, EM_SETREADONLY, TRUE, 0);
    SetWindowSubclass(edit_, &TMwCustomComboBox::EditSubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
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

void TMwCustomComboBox::SetMaxLength(int v) {
    v = std::max(0, v);
    if (v == maxLength_) return;
    maxLength_ = v;
    if (edit_) SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(v), 0);
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

int TMwCustomComboBox::AddObject(const std::string& text, cl::TObject* object) {
    const int index = AddItem(text, reinterpret_cast<LPARAM>(object));
    if (index >= 0 && object) objects_.insert(reinterpret_cast<LPARAM>(object));
    return index;
}

void TMwCustomComboBox::InsertObject(int index, const std::string& text, cl::TObject* object) {
    const auto count = ItemCount();
    InsertItem(index, text, reinterpret_cast<LPARAM>(object));
    if (ItemCount() > count && object) objects_.insert(reinterpret_cast<LPARAM>(object));
}

cl::TObject* TMwCustomComboBox::Objects(int index) {
    const LPARAM data = ItemData(index);
    return objects_.count(data) ? reinterpret_cast<cl::TObject*>(data) : nullptr;
}

void TMwCustomComboBox::ForgetObject(int index) {
    const auto at = objects_.find(ItemData(index));
    if (at != objects_.end()) objects_.erase(at);
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
        case CBN_EDITCHANGE: EditChanged(); return true;
        case CBN_KILLFOCUS:
            search_.clear();
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

// ---- messages and painting ----

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
            ForgetObject(static_cast<int>(m.wParam));
            if (OnDeleteItem) ReleaseItemData(static_cast<int>(m.wParam));
            break;
        case CB_RESETCONTENT:
            objects_.clear();
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
    if (!FrameHotTrack()) {
        const int strip = GetSystemMetrics(SM_CXVSCROLL) + 2;
        if (UseRightToLeftScrollBar()) r.right = r.left + strip;
        else r.left = r.right - strip;
    }
    RedrawWindow(Handle(), &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

void TMwCustomComboBox::PaintFrameAndButton() {
    const bool themes = ThemeServices().ThemesEnabled();
    const bool useThemes = UseThemes();
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    const cl::TWindowDC clientDc(Handle(), cl::TWindowDC::TArea::Client);
    HDC dc = clientDc.Handle();
    cl::TCanvas canvas(dc);
    const int b = themes ? 1 : 2;
    // The platform puts its button on the scroll bar's side.
    const bool leftButton = UseRightToLeftScrollBar();
    const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    const TRect button = leftButton ? TRect{b, b, b + buttonWidth, height - b}
                                    : TRect{width - b - buttonWidth, b, width - b, height - b};
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
        canvas.FillRect(leftButton ? TRect{button.right, button.top, button.right + 2, button.bottom}
                                   : TRect{button.left - 3, button.top, button.left, button.bottom});
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
}
