#include "controls/shell/ShellMenuHandler.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "classlib/win/Handles.h"
#include "controls/shell/SendToList.h"
#include "controls/shell/SendToMenuChar.h"
#include "controls/shell/ShellMenuCommands.h"
#include "controls/shell/SystemImageLists.h"

namespace mw {

namespace {

constexpr GUID kIidContextMenu2 = {0x000214F4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr int kTextLeft = 32;
constexpr int kIconLeft = 8;
constexpr int kTop = 2;

cl::TFontHandle MenuFont() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    return cl::TFontHandle(CreateFontIndirectA(&metrics.lfMenuFont));
}

// The entry an owner-drawn item stands for; null for separators and stale items.
const TSendToEntry* EntryOf(ULONG_PTR itemData) {
    const auto index = static_cast<INT_PTR>(itemData);
    const auto& list = SendToList();
    return index >= 0 && index < static_cast<INT_PTR>(list.size()) ? &list[index] : nullptr;
}

bool IsSendToItem(UINT type, UINT id) { return type == ODT_MENU && id < kFirstShellCommand; }

}  // namespace

UINT TShellMenuHandler::Track(HWND owner, IContextMenu* contextMenu, HMENU menu, POINT screen) {
    SetContextMenu(contextMenu);
    const UINT id = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    ClearContextMenu();
    return id;
}

bool TShellMenuHandler::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!contextMenu_) return false;
    try {
        if (message == WM_MENUSELECT) {
            ReportHint(LOWORD(wParam), HIWORD(wParam));
            return false;
        }
        if (ForwardToShell(message, wParam, lParam, result)) return true;
        switch (message) {
        case WM_INITMENUPOPUP:
            return InitSendToMenu(reinterpret_cast<HMENU>(wParam));
        case WM_MEASUREITEM:
            result = TRUE;
            return MeasureSendToItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        case WM_DRAWITEM:
            result = TRUE;
            return DrawSendToItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_MENUCHAR:
            return (HIWORD(wParam) & MF_POPUP) && SendToMenuChar(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)), result);
        default:
            return false;
        }
    } catch (...) {
        return false;
    }
}

bool TShellMenuHandler::ForwardToShell(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_INITMENUPOPUP && message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_MENUCHAR)
        return false;
    dragdrop::TComPtr<IContextMenu2> drawing;
    if (FAILED(contextMenu_->QueryInterface(kIidContextMenu2, reinterpret_cast<void**>(drawing.Receive()))) || !drawing)
        return false;
    try {
        drawing->HandleMenuMsg(message, wParam, lParam);
    } catch (...) {
    }
    result = (message == WM_DRAWITEM || message == WM_MEASUREITEM) ? TRUE : 0;
    return true;
}

bool TShellMenuHandler::InitSendToMenu(HMENU popup) {
    // The shell leaves its Send To sub-menu as one greyed placeholder when it cannot fill it.
    if (GetMenuItemCount(popup) != 1 || !(GetMenuState(popup, 0, MF_BYPOSITION) & MF_GRAYED)) return false;
    DeleteMenu(popup, 0, MF_BYPOSITION);
    const auto& entries = FillSendToList();
    const size_t count = std::min<size_t>(entries.size(), kFirstShellCommand - 1);
    for (size_t index = 0; index < count; ++index)
        AppendMenuA(popup, MF_OWNERDRAW, index + 1, reinterpret_cast<LPCSTR>(index));
    return true;
}

bool TShellMenuHandler::MeasureSendToItem(MEASUREITEMSTRUCT& item) {
    if (!IsSendToItem(item.CtlType, item.itemID)) return false;
    const TSendToEntry* entry = EntryOf(item.itemData);
    const std::string name = entry ? SendToDisplayName(entry->name) : std::string();
    SIZE extent = {};
    {
        const cl::TScreenDC screen;
        const cl::TFontHandle font = MenuFont();
        cl::TSelectObject selected(screen.Handle(), font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32A(screen.Handle(), name.c_str(), static_cast<int>(name.size()), &extent);
    }
    item.itemWidth = static_cast<UINT>(extent.cx + kTextLeft);
    item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) + 2);
    return true;
}

bool TShellMenuHandler::DrawSendToItem(const DRAWITEMSTRUCT& item) {
    if (!IsSendToItem(item.CtlType, item.itemID)) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const TSendToEntry* entry = EntryOf(item.itemData);
    if (!entry) return true;
    const cl::TFontHandle font = MenuFont();
    cl::TSelectObject selectedFont(item.hDC, font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    const std::string name = SendToDisplayName(entry->name);
    TextOutA(item.hDC, item.rcItem.left + kTextLeft, item.rcItem.top + kTop, name.c_str(), static_cast<int>(name.size()));
    SetTextColor(item.hDC, oldColor);
    SetBkMode(item.hDC, oldMode);
    if (entry->iconIndex >= 0)
        ImageList_Draw(GetSystemImageList(TMwImageListSize::Small), entry->iconIndex, item.hDC,
                       item.rcItem.left + kIconLeft, item.rcItem.top + kTop, ILD_TRANSPARENT);
    return true;
}

bool TShellMenuHandler::SendToMenuChar(HMENU popup, char typed, LRESULT& result) {
    const int count = GetMenuItemCount(popup);
    if (count <= 0) return false;
    std::vector<std::string> names;
    int highlighted = -1;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_STATE;
        if (!GetMenuItemInfoA(popup, position, TRUE, &info) || info.wID == 0 || info.wID >= kFirstShellCommand)
            return false;  // not our Send To sub-menu
        const TSendToEntry* entry = EntryOf(info.dwItemData);
        names.push_back(entry ? SendToDisplayName(entry->name) : std::string());
        if (info.fState & MFS_HILITE) highlighted = position;
    }
    const TMenuCharResult choice = mw::SendToMenuChar(names, highlighted, typed);
    switch (choice.action) {
    case TMenuCharAction::Execute: result = MAKELRESULT(choice.index, MNC_EXECUTE); break;
    case TMenuCharAction::Select: result = MAKELRESULT(choice.index, MNC_SELECT); break;
    case TMenuCharAction::Close: result = MAKELRESULT(0, MNC_CLOSE); break;
    }
    return true;
}

void TShellMenuHandler::ReportHint(UINT item, UINT flags) {
    if (!onPopupHint) return;
    std::string hint;
    const bool command = flags != 0xFFFF && !(flags & (MF_POPUP | MF_SYSMENU));
    if (command && item >= kFirstShellCommand && item <= kLastShellCommand)
        hint = CommandHelpText(contextMenu_.Get(), item - kFirstShellCommand);
    onPopupHint(hint);
}

}  // namespace mw
