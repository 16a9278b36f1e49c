#pragma once
// The menu messages of a shell context menu while it is shown. A shell menu that draws its own
// sub-menus (IContextMenu2) gets them passed on; otherwise the control fills and draws the
// Send To sub-menu itself from the Send To folder. Hovering over a shell command reports the
// command's help text.

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "controls/shell/ShellContextMenu.h"

namespace mw {

class TShellMenuHandler {
public:
    // Shows the popup menu at the screen point, owned by the window, keeping the context menu
    // for the menu messages while it is open; the chosen command id, 0 for none.
    UINT Track(HWND owner, IContextMenu* contextMenu, HMENU menu, POINT screen);

    // The context menu being shown (null when none): messages are only handled while it is set.
    void SetContextMenu(IContextMenu* contextMenu) { contextMenu_ = TContextMenuPtr::Share(contextMenu); }
    void ClearContextMenu() { contextMenu_.Reset(); }
    IContextMenu* ContextMenu() const { return contextMenu_.Get(); }

    // For WM_INITMENUPOPUP, WM_DRAWITEM, WM_MEASUREITEM, WM_MENUCHAR and WM_MENUSELECT sent to
    // the owner, after its own handling: true when the message was handled, with its result.
    // Never raises.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The help text of the command under the pointer; "" over sub-menus and our own entries.
    std::function<void(const std::string& hint)> onPopupHint;

private:
    bool ForwardToShell(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool InitSendToMenu(HMENU popup);
    bool MeasureSendToItem(MEASUREITEMSTRUCT& item);
    bool DrawSendToItem(const DRAWITEMSTRUCT& item);
    bool SendToMenuChar(HMENU popup, char typed, LRESULT& result);
    void ReportHint(UINT item, UINT flags);

    TContextMenuPtr contextMenu_;
};

}  // namespace mw
