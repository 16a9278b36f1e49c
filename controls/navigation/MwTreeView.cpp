#include "controls/navigation/MwTreeView.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Handles.h"
#include "classlib/win/Screen.h"
#include "controls/foundation/MwThemeSrv.h"

namespace {

std::string LocaleUpperCase(std::string text) {
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

int WheelScrollLines() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}

}  // namespace

const cl::TClassInfo& TMwCustomTreeView::StaticClass() {
    using T = TMwCustomTreeView;
    static const auto info = [] {
        cl::TClassBuilder<T> builder("TMwCustomTreeView", cl::TTreeView::StaticClass());
        AddFrameProperties(builder)
            .Object("SelectionPen", &T::SelectionPen)
            .Bool("AutoSelect", &T::AutoSelect, &T::SetAutoSelect)
            .Bool("AutoExpand", &T::AutoExpand, &T::SetAutoExpand)
            .Bool("RightClickSelect", &T::RightClickSelect, &T::SetRightClickSelect)
            .Event("OnNodeContextMenu", &T::OnNodeContextMenu);
        return builder.Build();
    }();
    return *info;
}

const cl::TClassInfo& TMwTreeView::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwTreeView>("TMwTreeView", TMwCustomTreeView::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomTreeView::TMwCustomTreeView(cl::TComponent* owner) : TMwFramedControl<cl::TTreeView>(owner) {
    selectionPen_.SetColor(cl::clBtnShadow);
    selectionPen_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Invalidate(); });
}

void TMwCustomTreeView::SetSelectionPen(const cl::TPen& pen) {
    selectionPen_.Assign(pen);
    Invalidate();
}

// ---- options ----

void TMwCustomTreeView::SetAutoSelect(bool v) {
    autoSelect_ = v;
    if (v) SetAutoExpand(false);
}

void TMwCustomTreeView::SetAutoExpand(bool v) {
    autoExpand_ = v;
    if (v) autoSelect_ = false;
    ApplyAutoExpand();
}

void TMwCustomTreeView::ApplyAutoExpand() {
    if (!HandleAllocated()) return;
    const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE, autoExpand_ ? (style | TVS_SINGLEEXPAND) : (style & ~TVS_SINGLEEXPAND));
}

void TMwCustomTreeView::CreateParams(TCreateParams& params) {
    TMwFramedControl<cl::TTreeView>::CreateParams(params);
    if (autoExpand_) params.style |= TVS_SINGLEEXPAND;
    // Tool tips of older common controls misbehave on the NT family.
    const bool winNT = (GetVersion() & 0x80000000u) == 0;
    if (winNT && mw::CommonControlsVersion() < (4u << 16 | 72u)) params.style |= TVS_NOTOOLTIPS;
}

void TMwCustomTreeView::InitializeWnd() {
    TMwFramedControl<cl::TTreeView>::InitializeWnd();
    ApplyBackgroundColor();
}

void TMwCustomTreeView::ApplyBackgroundColor() { TreeView_SetBkColor(Handle(), cl::ColorToRGB(Color())); }

// ---- paths ----

std::string TMwCustomTreeView::GetPathFromNode(cl::TTreeNode* node) const {
    std::string path;
    for (cl::TTreeNode* n = node; n; n = n->Parent()) path = n->Text() + "\\" + path;
    return path;
}

cl::TTreeNode* TMwCustomTreeView::GetNodeFromPath(const std::string& path) {
    const cl::TScopedCursor hourglass;
    if (path.empty()) return nullptr;
    const std::string wanted = LocaleUpperCase(path.back() == '\\' ? path : path + "\\");
    // Level by level: the first sibling whose path equals the path up to this level's "\".
    // Each candidate's parent matched the level before, so comparing its own text with this
    // level's part of the path compares the whole paths.
    cl::TTreeNode* match = nullptr;
    cl::TTreeNode* candidates = GetFirstNode();
    size_t levelStart = 0;
    for (size_t end = wanted.find('\\'); end != std::string::npos; end = wanted.find('\\', end + 1)) {
        const std::string level = wanted.substr(levelStart, end + 1 - levelStart);
        match = nullptr;
        for (cl::TTreeNode* c = candidates; c && !match; c = c->GetNextSibling())
            if (LocaleUpperCase(c->Text() + "\\") == level) match = c;
        if (!match) return nullptr;
        candidates = match->GetFirstChild();
        levelStart = end + 1;
    }
    return match;
}

// ---- selection ----

cl::TTreeNode* TMwCustomTreeView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    if (rightClickSelect_ && heldNode_) return heldNode_;
    return cl::TTreeView::Selected();
}

cl::TRect TMwCustomTreeView::NodeTextRect(cl::TTreeNode* node) {
    RECT rc{};
    TreeView_GetItemRect(Handle(), node->ItemId(), &rc, TRUE);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

void TMwCustomTreeView::PaintSelectionOutline(HDC dc) {
    if (HideSelection() || Focused()) return;
    cl::TTreeNode* node = Selected();
    if (!node) return;
    const cl::TRect r = NodeTextRect(node);
    static const int kPenStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    cl::TPenHandle pen(CreatePen(kPenStyles[static_cast<int>(selectionPen_.Style())], selectionPen_.Width(),
                                 cl::ColorToRGB(selectionPen_.Color())));
    cl::TSelectObject selectPen(dc, pen.Get());
    cl::TSelectObject selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

// ---- context menus ----

void TMwCustomTreeView::DoNodeContextMenu(cl::TTreeNode* node, cl::TPoint& pos, cl::TPopupMenu*& menu) {
    OnNodeContextMenu(this, node, pos, menu);
}

void TMwCustomTreeView::PopupAt(cl::TPopupMenu& menu, cl::TPoint clientPos) {
    menu.SetPopupComponent(this);
    const cl::TPoint screen = ClientToScreen(clientPos);
    menu.Popup(screen.x, screen.y);
}

void TMwCustomTreeView::NodeContextMenu(cl::TTreeNode* node, cl::TPoint pos) {
    cl::TPopupMenu* menu = PopupMenu();
    DoNodeContextMenu(node, pos, menu);
    if (menu != PopupMenu()) menuShown_ = true;
    if (menu) PopupAt(*menu, pos);
}

void TMwCustomTreeView::KeyboardContextMenu() {
    if (cl::TTreeNode* node = Selected()) {
        const cl::TRect r = NodeTextRect(node);
        NodeContextMenu(node, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    } else if (PopupMenu()) {
        PopupAt(*PopupMenu(), {0, 0});
    }
}

// The node under the pointer (or the selected one) gets its menu at the pointer.
void TMwCustomTreeView::RightClick() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const cl::TPoint pos = ScreenToClient({cursor.x, cursor.y});
    cl::TTreeNode* node = GetNodeAt(pos.x, pos.y);
    heldNode_ = node ? node : cl::TTreeView::Selected();
    if (!heldNode_) return;
    try {
        cl::TPopupMenu* menu = PopupMenu();
        cl::TPoint at = pos;
        DoNodeContextMenu(heldNode_, at, menu);
        if (menu) PopupAt(*menu, at);
    } catch (...) {
        heldNode_ = nullptr;
        menuShown_ = true;
        throw;
    }
    heldNode_ = nullptr;
    menuShown_ = true;
}

bool TMwCustomTreeView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case NM_RCLICK: {
            RightClick();
            const bool handled = TMwFramedControl<cl::TTreeView>::Notify(header, result);
            // The tree takes the right button's release itself: the click is over now.
            menuShown_ = false;
            return handled;
        }
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW:
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW: {
            // With AutoSelect a node is selected before it collapses and after it expands.
            const auto* nm = reinterpret_cast<const NMTREEVIEWA*>(header);
            const bool before = header->code == TVN_ITEMEXPANDINGA || header->code == TVN_ITEMEXPANDINGW;
            const bool collapsing = (nm->action & TVE_EXPAND) == 0;
            if (autoSelect_ && before == collapsing)
                if (cl::TTreeNode* node = NodeFromItem(nm->itemNew.hItem)) node->SetSelected(true);
            break;
        }
        default: break;
    }
    return TMwFramedControl<cl::TTreeView>::Notify(header, result);
}

// ---- wheel ----

// Whole scroll positions, the wheel's lines per notch; up stops short of the top.
void TMwCustomTreeView::WheelStep(bool down) {
    const int lines = WheelScrollLines();
    const int position = GetScrollPos(Handle(), SB_VERT) + (down ? lines : -lines);
    if (!down && position < 0) return;
    SendMessageA(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    SetScrollPos(Handle(), SB_VERT, position, TRUE);
}

// ---- messages ----

void TMwCustomTreeView::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_PAINT: {
            HDC given = reinterpret_cast<HDC>(m.wParam);
            TMwFramedControl<cl::TTreeView>::WndProc(m);
            if (given) {
                PaintSelectionOutline(given);
            } else {
                const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Client);
                PaintSelectionOutline(dc.Handle());
            }
            return;
        }
        case WM_MOUSEWHEEL:
            wheelDelta_ += GET_WHEEL_DELTA_WPARAM(m.wParam);
            while (wheelDelta_ >= WHEEL_DELTA || wheelDelta_ <= -WHEEL_DELTA) {
                const bool down = wheelDelta_ < 0;
                wheelDelta_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
                WheelStep(down);
            }
            m.result = 0;
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const cl::TShiftState shift = cl::KeyboardShiftState();
            if ((m.wParam == VK_APPS && shift == 0) || (m.wParam == VK_F10 && shift == cl::ssShift)) {
                KeyboardContextMenu();
                m.result = 0;
                return;
            }
            break;
        }
        case WM_RBUTTONUP:
            TMwFramedControl<cl::TTreeView>::WndProc(m);
            menuShown_ = false;
            return;
        case WM_CONTEXTMENU: {
            if (Selected() || menuShown_) return;
            const cl::TPoint at{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
            if (at.x == -1 && at.y == -1) KeyboardContextMenu();
            else NodeContextMenu(Selected(), ScreenToClient(at));
            return;
        }
        default: break;
    }
    TMwFramedControl<cl::TTreeView>::WndProc(m);
}
