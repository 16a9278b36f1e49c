#include "classlib/win/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <unordered_map>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/DockTree.h"
#include "classlib/win/DragSession.h"
#include "classlib/win/FloatHostForm.h"
#include "classlib/win/Handles.h"
#include "classlib/win/HintWindow.h"
#include "classlib/win/Form.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {

// Every window of ours and its control. Looked up on every message; a window property would
// cost a round trip to the Wine server each time.
struct TWindowRegistry {
    std::mutex lock;
    std::unordered_map<HWND, TControl*> controls;
};

TWindowRegistry& Windows() {
    static TWindowRegistry registry;
    return registry;
}

// The control whose window CreateWindowEx is making on this thread: our own window classes
// attach to it at their first message, before WM_NCCREATE.
thread_local TControl* creatingControl = nullptr;

const TEnumNames kAlignNames{{{"alNone", 0}, {"alTop", 1}, {"alBottom", 2}, {"alLeft", 3}, {"alRight", 4}, {"alClient", 5}}};
const TEnumNames kDragModeNames{{{"dmManual", 0}, {"dmAutomatic", 1}}};
const TEnumNames kDragKindNames{{{"dkDrag", 0}, {"dkDock", 1}}};

// A memory device context with a bitmap compatible with a window's, for one buffered paint.
class TPaintBuffer {
public:
    TPaintBuffer(HDC dc, int width, int height)
        : dc_(CreateCompatibleDC(dc)), bitmap_(CreateCompatibleBitmap(dc, width, height)), selection_(dc_.Get(), bitmap_.Get()) {}
    HDC DC() const { return dc_.Get(); }

private:
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    TSelectObject selection_;  // put back before the bitmap and the context go
};

// The grabber of a dock site's plain dock manager.
constexpr int kDefaultGrabberSize = 12;

void RegisterOurClass(const std::string& name, UINT classStyle, WNDPROC proc) {
    static std::set<std::string> registered;  // process-wide: window classes are too
    if (registered.count(name)) return;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register window class " + name);
    registered.insert(name);
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* control = TControl::FromHandle(window);
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        // A control in its destructor only gets the window's own processing.
        if (control->IsDestroying()) control->DefaultHandler(message);
        else control->Dispatch(message);
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    if (msg == WM_NCDESTROY) control->DetachWindow();
    return message.result;
}

LRESULT CALLBACK InitialWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* control = creatingControl;
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    creatingControl = nullptr;
    control->AttachWindow(window);
    control->defaultProc_ = DefWindowProcA;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc));
    return ControlWindowProc(window, msg, wParam, lParam);
}

TShiftState ShiftStateFromKeys(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

const TClassInfo& TControl::StaticClass() {
    static const auto info = TClassBuilder<TControl>("TControl", TComponent::StaticClass())
                                 .Int("Left", &TControl::Left, &TControl::SetLeft)
                                 .Int("Top", &TControl::Top, &TControl::SetTop)
                                 .Int("Width", &TControl::Width, &TControl::SetWidth)
                                 .Int("Height", &TControl::Height, &TControl::SetHeight)
                                 .Int("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
                                 .Int("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
                                 .Enum<TAlign>("Align", &TControl::Align, &TControl::SetAlign, kAlignNames)
                                 .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
                                 .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
                                 .Str("Caption", &TControl::Caption, &TControl::SetCaption)
                                 .Str("Text", &TControl::Caption, &TControl::SetCaption)
                                 .Object("Font", &TControl::Font)
                                 .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
                                 .Color("Color", &TControl::Color, &TControl::SetColor)
                                 .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
                                 .Ref<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
                                 .Str("Hint", &TControl::Hint, &TControl::SetHint)
                                 .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
                                 .Bool("DoubleBuffered", &TControl::DoubleBuffered, &TControl::SetDoubleBuffered)
                                 .Bool("TabStop", &TControl::TabStop, &TControl::SetTabStop)
                                 .Int("TabOrder", &TControl::TabOrder, &TControl::SetTabOrder)
                                 .Enum<TBiDiMode>("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, kBiDiModeNames)
                                 .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
                                 .Event("OnClick", &TControl::OnClick)
                                 .Event("OnDblClick", &TControl::OnDblClick)
                                 .Event("OnMouseDown", &TControl::OnMouseDown)
                                 .Event("OnMouseUp", &TControl::OnMouseUp)
                                 .Event("OnMouseMove", &TControl::OnMouseMove)
                                 .Event("OnKeyDown", &TControl::OnKeyDown)
                                 .Event("OnKeyUp", &TControl::OnKeyUp)
                                 .Event("OnKeyPress", &TControl::OnKeyPress)
                                 .Event("OnResize", &TControl::OnResize)
                                 .Event("OnEnter", &TControl::OnEnter)
                                 .Event("OnExit", &TControl::OnExit)
                                 .Enum<TDragMode>("DragMode", &TControl::DragMode, &TControl::SetDragMode, kDragModeNames)
                                 .Enum<TDragKind>("DragKind", &TControl::DragKind, &TControl::SetDragKind, kDragKindNames)
                                 .Enum<TCursor>("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, kCursorNames)
                                 .Bool("DockSite", &TControl::DockSite, &TControl::SetDockSite)
                                 .Bool("UseDockManager", &TControl::UseDockManager, &TControl::SetUseDockManager)
                                 .Event("OnDragOver", &TControl::OnDragOver)
                                 .Event("OnDragDrop", &TControl::OnDragDrop)
                                 .Event("OnStartDrag", &TControl::OnStartDrag)
                                 .Event("OnEndDrag", &TControl::OnEndDrag)
                                 .Event("OnStartDock", &TControl::OnStartDock)
                                 .Event("OnEndDock", &TControl::OnEndDock)
                                 .Event("OnGetSiteInfo", &TControl::OnGetSiteInfo)
                                 .Event("OnDockOver", &TControl::OnDockOver)
                                 .Event("OnDockDrop", &TControl::OnDockDrop)
                                 .Event("OnUnDock", &TControl::OnUnDock)
                                 .Build();
    return *info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = TNotifyEvent::FromFunction([this](TObject*) {
        if (IsLoading()) fontFromResource_ = true;
        FontChanged();
    });
}

TControl::~TControl() {
    Destroying();
    if (drag_) drag_->SourceGone();
    // Child controls die with their parent, whoever owns them.
    while (!controls_.empty()) Free(controls_.back());
    if (parent_) SetParent(nullptr);  // a floating form goes with it
    DestroyHandle();
}

// ---- tree ----

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* control = dynamic_cast<TControl*>(parent)) SetParent(control);
}

void TControl::SetParent(TControl* parent) {
    if (parent == parent_) return;
    for (TControl* p = parent; p; p = p->parent_)
        if (p == this) throw EInvalidOperation("A control cannot have itself or its child as parent");
    ValidateParent(parent);
    if (parent) parent->ValidateInsert(*this);
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        TControl* old = parent_;
        parent_ = nullptr;
        docked_ = false;
        if (old->dockManager_) old->dockManager_->RemoveControl(*this);
        if (old == floatHost_) {
            // Whatever took the control out of its floating form, the empty form goes.
            TFloatHostForm* host = floatHost_;
            floatHost_ = nullptr;
            host->ClientGone();
        }
        if (handle_ && !(parent && parent->HandleAllocated())) DestroyHandle();
        if (!old->IsDestroying()) {
            old->ControlListChanged(this, false);
            old->Realign();
        }
    }
    parent_ = parent;
    if (!parent) {
        ParentChanged();
        return;
    }
    parent->controls_.push_back(this);
    if (parentFont_) ParentFontChanged();
    if (parentColor_) ParentColorChanged();
    if (parentBiDiMode_) AdoptParentBiDiMode();
    parent->ControlListChanged(this, true);
    if (parent->HandleAllocated()) {
        if (handle_) ::SetParent(handle_, parent->Handle());
        else CreateWnd();
    }
    parent->Realign();
    ParentChanged();
}

bool TControl::HintAt(TPoint, std::string& text, TRect& area) {
    if (!showHint_ || hint_.empty()) return false;
    text = ShortHint(hint_);
    area = ClientRect();
    return true;
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// ---- window ----

TControl* TControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    TWindowRegistry& windows = Windows();
    const std::lock_guard<std::mutex> guard(windows.lock);
    const auto found = windows.controls.find(window);
    return found == windows.controls.end() ? nullptr : found->second;
}

HWND TControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TControl::HandleNeeded() {
    if (handle_) return;
    if (parent_) parent_->HandleNeeded();
    if (!handle_) CreateWnd();
}

void TControl::AttachWindow(HWND window) {
    handle_ = window;
    TWindowRegistry& windows = Windows();
    const std::lock_guard<std::mutex> guard(windows.lock);
    windows.controls[window] = this;
}

void TControl::DetachWindow() {
    if (!handle_) return;
    {
        TWindowRegistry& windows = Windows();
        const std::lock_guard<std::mutex> guard(windows.lock);
        windows.controls.erase(handle_);
    }
    handle_ = nullptr;
    defaultProc_ = nullptr;
}

void TControl::CreateParams(TCreateParams& params) {
    params.windowClass = ClassName();
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (visible_) params.style |= WS_VISIBLE;
    if (!enabled_) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    params.exStyle = WS_EX_CONTROLPARENT | BiDiModeExStyle();
    if (parent_) params.parentWindow = parent_->Handle();
}

void TControl::CreateWnd() {
    if (handle_ || creatingHandle_) return;
    creatingHandle_ = true;
    TCreateParams params;
    try {
        CreateParams(params);
    } catch (...) {
        creatingHandle_ = false;
        throw;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!params.standardClass) {
        RegisterOurClass(params.windowClass, params.classStyle, &InitialWindowProc);
        creatingControl = this;
    }
    HWND window = CreateWindowExA(params.exStyle, params.windowClass.c_str(), caption_.c_str(), params.style, bounds_.left,
                                  bounds_.top, bounds_.Width(), bounds_.Height(), params.parentWindow, params.menuOrId,
                                  instance, nullptr);
    creatingControl = nullptr;
    creatingHandle_ = false;
    if (!window) throw Exception("Error creating window of class " + params.windowClass + " for " + Name());
    if (params.standardClass) {
        AttachWindow(window);
        defaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
    } else if (!handle_) {
        AttachWindow(window);
        defaultProc_ = DefWindowProcA;
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    InitializeWnd();
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->CreateWnd();
    AlignControls();
}

void TControl::DestroyHandle() {
    if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY detaches us and our children
    DetachWindow();
}

HWND TControl::ReleaseHandle() {
    HWND window = handle_;
    if (window) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_ ? defaultProc_ : DefWindowProcA));
    DetachWindow();
    return window;
}

void TControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    if (!parent_ || parent_->HandleAllocated()) CreateWnd();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return SendMessageA(Handle(), msg, wParam, lParam); }

void TControl::DefaultHandler(TMessage& message) {
    message.result = CallWindowProcA(defaultProc_ ? defaultProc_ : DefWindowProcA, handle_, message.msg, message.wParam,
                                     message.lParam);
}

void TControl::Dispatch(TMessage& message) {
    switch (message.msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: SendCancelMode(); break;
        case WM_PAINT:
            if (doubleBuffered_ && !message.wParam) {
                PaintBuffered();
                return;
            }
            break;
        case WM_ERASEBKGND:
            // An erase on the window itself (BeginPaint's, say) is left to the off-screen one;
            // erases into other device contexts (a child painting us behind it) go ahead.
            if (doubleBuffered_ && WindowFromDC(reinterpret_cast<HDC>(message.wParam)) == handle_) {
                message.result = 1;
                return;
            }
            break;
        default: break;
    }
    WndProc(message);
}

void TControl::PaintBuffered() {
    const TPaintScope scope(handle_);
    RECT client;
    GetClientRect(handle_, &client);
    const TPaintBuffer buffer(scope.DC(), std::max(1L, client.right), std::max(1L, client.bottom));
    const WPARAM bufferDC = reinterpret_cast<WPARAM>(buffer.DC());
    TMessage erase{WM_ERASEBKGND, bufferDC, 0, 0};
    WndProc(erase);
    TMessage paint{WM_PAINT, bufferDC, 0, 0};
    WndProc(paint);
    const RECT& area = scope.Area();
    BitBlt(scope.DC(), area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.DC(), area.left, area.top,
           SRCCOPY);
}

void TControl::SendCancelMode() {
    TControl* focused = nullptr;
    for (HWND window = GetFocus(); window && !focused; window = GetParent(window)) focused = FromHandle(window);
    if (focused && focused != this && focused->ParentForm() == ParentForm())
        SendMessageA(focused->handle_, CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
}

HBRUSH TControl::BackgroundBrush() {
    if (!colorBrush_) colorBrush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return colorBrush_.Get();
}

HBRUSH TControl::ControlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(color_));
    return BackgroundBrush();
}

void TControl::WndProc(TMessage& m) {
    if (dockManager_) {
        dockManager_->SiteMessage(m.msg);
        if (m.msg == WM_LBUTTONDOWN && dockManager_->MouseDown({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)})) {
            m.result = 0;
            return;
        }
    }
    switch (m.msg) {
        case WM_COMMAND:
            if (m.lParam) {
                TControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam));
                if (child && child != this && child->CommandNotification(HIWORD(m.wParam))) return;
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(m.lParam);
            TControl* child = FromHandle(header->hwndFrom);
            if (child && child != this && child->Notify(header, m.result)) return;
            break;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            TControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam));
            if (child && child != this) {
                if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(m.wParam))) {
                    m.result = reinterpret_cast<LRESULT>(brush);
                    return;
                }
            }
            break;
        }
        case WM_DRAWITEM: {
            // Our controls are made with id 0, like menus: the item's type tells them apart.
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
            if (item.CtlType != ODT_MENU) {
                TControl* child = FromHandle(item.hwndItem);
                if (child && child != this && child->DrawItem(item)) {
                    m.result = TRUE;
                    return;
                }
                break;
            }
            [[fallthrough]];
        }
        case WM_MEASUREITEM:
            if (TMenuItem::HandleOwnerDraw(m)) return;
            break;
        case WM_SIZE:
            DefaultHandler(m);
            UpdateBoundsFromWindow();
            AlignControls();
            Resize();
            return;
        case WM_MOVE:
            DefaultHandler(m);
            UpdateBoundsFromWindow();
            return;
        case WM_SETCURSOR:
            if (Screen().Cursor() != crDefault && LOWORD(m.lParam) == HTCLIENT) {
                SetCursor(Screen().CursorHandle());
                m.result = TRUE;
                return;
            }
            break;
        case WM_CONTEXTMENU: {
            bool handled = false;
            DoContextPopup({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)}, handled);
            if (handled) return;
            break;
        }
        case WM_LBUTTONDOWN:
            HandleMouse(m);
            DefaultHandler(m);
            // After the control's own handling of the press, so that a release that turns
            // out to be a click reaches it in order.
            if (dragMode_ == TDragMode::Automatic && !drag_) RunControlDrag(*this, dragKind_, false, -1, true);
            return;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            HandleMouse(m);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (HandleKey(m)) return;
            break;
        case WM_CHAR: {
            char key = static_cast<char>(m.wParam);
            DoKeyPress(key);
            if (key == 0) return;
            m.wParam = static_cast<unsigned char>(key);
            break;
        }
        case WM_SETFOCUS:
            DefaultHandler(m);
            BroadcastFocusChanged(this);
            OnEnter(this);
            return;
        case WM_KILLFOCUS:
            DefaultHandler(m);
            FocusLeftFor(reinterpret_cast<HWND>(m.wParam));
            OnExit(this);
            return;
        case CM_FOCUSCHANGED:
        case CM_CHANGED:
            return;
        case WM_PAINT:
            // A window of ours that paints nothing else still shows its docked clients' grabbers.
            if (dockManager_ && defaultProc_ == DefWindowProcA && m.wParam) {
                TCanvas canvas(reinterpret_cast<HDC>(m.wParam));
                dockManager_->PaintSite(canvas);
                return;
            }
            if (dockManager_ && defaultProc_ == DefWindowProcA) {
                const TPaintScope scope(handle_);
                TCanvas canvas(scope.DC());
                dockManager_->PaintSite(canvas);
                return;
            }
            break;
        case WM_ERASEBKGND:
            if (defaultProc_ == DefWindowProcA) {
                RECT rc;
                GetClientRect(handle_, &rc);
                FillRect(reinterpret_cast<HDC>(m.wParam), &rc, BackgroundBrush());
                m.result = 1;
                return;
            }
            break;
        default:
            break;
    }
    DefaultHandler(m);
}

void TControl::HandleMouse(TMessage& m) {
    const int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
    TShiftState shift = ShiftStateFromKeys(m.wParam);
    switch (m.msg) {
        case WM_MOUSEMOVE:
            OnMouseMove(this, shift, x, y);
            return;
        case WM_LBUTTONDBLCLK:
            OnDblClick(this);
            OnMouseDown(this, TMouseButton::Left, shift | ssDouble, x, y);
            return;
        case WM_RBUTTONDBLCLK:
            OnMouseDown(this, TMouseButton::Right, shift | ssDouble, x, y);
            return;
        case WM_LBUTTONDOWN:
            mouseDownInside_ = true;
            OnMouseDown(this, TMouseButton::Left, shift, x, y);
            return;
        case WM_RBUTTONDOWN:
            OnMouseDown(this, TMouseButton::Right, shift, x, y);
            return;
        case WM_MBUTTONDOWN:
            OnMouseDown(this, TMouseButton::Middle, shift, x, y);
            return;
        case WM_LBUTTONUP: {
            const bool click = mouseDownInside_ && defaultProc_ == DefWindowProcA && ClientRect().Contains({x, y});
            mouseDownInside_ = false;
            OnMouseUp(this, TMouseButton::Left, shift, x, y);
            if (click) Click();
            return;
        }
        case WM_RBUTTONUP:
            OnMouseUp(this, TMouseButton::Right, shift, x, y);
            return;
        case WM_MBUTTONUP:
            OnMouseUp(this, TMouseButton::Middle, shift, x, y);
            return;
        default:
            return;
    }
}

bool TControl::HandleKey(TMessage& m) {
    WORD key = static_cast<WORD>(m.wParam);
    if (m.msg == WM_KEYDOWN || m.msg == WM_SYSKEYDOWN) DoKeyDown(key, KeyboardShiftState());
    else DoKeyUp(key, KeyboardShiftState());
    if (key == 0) return true;
    m.wParam = key;
    return false;
}

void TControl::DoContextPopup(TPoint screenPoint, bool& handled) {
    if (!popupMenu_) return;
    if (screenPoint.x == -1 && screenPoint.y == -1) screenPoint = ClientToScreen({0, 0});  // from the keyboard
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screenPoint.x, screenPoint.y);
    handled = true;
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::Remove && component == popupMenu_) popupMenu_ = nullptr;
}

// ---- geometry ----

void TControl::SetBounds(int left, int top, int width, int height) {
    const TRect wanted = TRect::FromBounds(left, top, std::max(0, width), std::max(0, height));
    if (wanted == bounds_) return;
    bounds_ = wanted;
    if (handle_) {
        SetWindowPos(handle_, nullptr, bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        AlignControls();
    }
    if (!parent_) return;
    if (align_ != TAlign::None) parent_->Realign();
    else parent_->ControlBoundsChanged(*this);
}

void TControl::UpdateBoundsFromWindow() {
    if (!handle_) return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND parentWindow = GetParent(handle_); parentWindow && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    bounds_ = {r.left, r.top, r.right, r.bottom};
}

TRect TControl::ClientRect() {
    if (!handle_) return TRect::FromBounds(0, 0, Width(), Height());
    RECT r;
    GetClientRect(handle_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void TControl::SetClientWidth(int width) { SetWidth(width + Width() - ClientWidth()); }

void TControl::SetClientHeight(int height) { SetHeight(height + Height() - ClientHeight()); }

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::Realign() { AlignControls(); }

void TControl::AlignControls() {
    if (aligning_ || IsLoading() || IsDestroying() || controls_.empty()) return;
    std::vector<TAlignItem> items;
    items.reserve(controls_.size());
    for (TControl* c : controls_) items.push_back({c->align_, c->bounds_, c->visible_});
    ArrangeAligned(ClientRect(), items);
    aligning_ = true;
    try {
        for (size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i]->align_ != TAlign::None) {
                const TRect& r = items[i].bounds;
                controls_[i]->SetBounds(r.left, r.top, r.Width(), r.Height());
            }
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
    if (dockManager_) dockManager_->ResetBounds(DockArea());
}

TPoint TControl::ClientToScreen(TPoint p) {
    POINT pt{p.x, p.y};
    ::ClientToScreen(Handle(), &pt);
    return {pt.x, pt.y};
}

TPoint TControl::ScreenToClient(TPoint p) {
    POINT pt{p.x, p.y};
    ::ScreenToClient(Handle(), &pt);
    return {pt.x, pt.y};
}

// ---- state ----

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

void TControl::Show() {
    if (parent_) parent_->ShowControl(this);
    // A container may have shown the control already.
    if (!visible_) SetVisible(true);
}

void TControl::ShowControl(TControl* /*child*/) {
    if (parent_) parent_->ShowControl(this);
}

bool TControl::Showing() const {
    if (!visible_) return false;
    if (parent_) return parent_->Showing();
    return handle_ && IsWindowVisible(handle_);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (handle_) EnableWindow(handle_, enabled);
}

void TControl::SetCaption(const std::string& caption) {
    if (handle_) {
        if (caption == Text()) {
            caption_ = caption;
            return;
        }
        caption_ = caption;
        SetWindowTextA(handle_, caption.c_str());
        return;
    }
    caption_ = caption;
}

std::string TControl::Text() {
    if (!handle_) return caption_;
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(0, got)));
    return text;
}

void TControl::ChangeScale(int m, int d) {
    // Edges scale, so that controls that touch go on touching.
    const int left = MulDiv(Left(), m, d), top = MulDiv(Top(), m, d);
    SetBounds(left, top, MulDiv(bounds_.right, m, d) - left, MulDiv(bounds_.bottom, m, d) - top);
    if (!parentFont_ && fontFromResource_) font_.SetHeight(MulDiv(font_.Height(), m, d));
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_) return;
    parentFont_ = parentFont;
    if (parentFont) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parent_) return;
    applyingParentFont_ = true;
    font_.Assign(parent_->font_);
    applyingParentFont_ = false;
}

void TControl::FontChanged() {
    if (!applyingParentFont_) parentFont_ = false;
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
        Invalidate();
    }
    for (TControl* c : controls_)
        if (c->parentFont_) c->ParentFontChanged();
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    LendColor(color);
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    parentColor_ = parentColor;
    if (parentColor) ParentColorChanged();
}

void TControl::LendColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::ParentColorChanged() {
    if (parentColor_ && parent_) LendColor(parent_->color_);
}

void TControl::ColorChanged() {
    colorBrush_.Reset();
    Invalidate();
    for (TControl* c : controls_) c->ParentColorChanged();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    parentBiDiMode_ = false;
    ApplyBiDiMode(mode);
}

void TControl::SetParentBiDiMode(bool parentBiDiMode) {
    if (parentBiDiMode == parentBiDiMode_) return;
    parentBiDiMode_ = parentBiDiMode;
    if (parentBiDiMode) AdoptParentBiDiMode();
}

void TControl::AdoptParentBiDiMode() {
    if (parent_) ApplyBiDiMode(parent_->biDiMode_);
}

DWORD TControl::BiDiModeExStyle() const {
    return (UseRightToLeftReading() ? WS_EX_RTLREADING : 0) | (UseRightToLeftScrollBar() ? WS_EX_LEFTSCROLLBAR : 0);
}

void TControl::ApplyBiDiMode(TBiDiMode mode) {
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    if (handle_) {
        const DWORD mask = WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE));
        if ((exStyle & mask) != BiDiModeExStyle()) {
            SetWindowLongA(handle_, GWL_EXSTYLE, static_cast<LONG>((exStyle & ~mask) | BiDiModeExStyle()));
            SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    BiDiModeChanged();
    for (TControl* c : controls_)
        if (c->parentBiDiMode_) c->ApplyBiDiMode(mode);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (popupMenu_) RemoveFreeNotification(popupMenu_);
    popupMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TControl::SetTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    if (handle_) {
        LONG style = GetWindowLongA(handle_, GWL_STYLE);
        SetWindowLongA(handle_, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void TControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::Repaint() {
    if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TControl::SetFocus() { ::SetFocus(Handle()); }

bool TControl::Focused() { return handle_ && GetFocus() == handle_; }

void TControl::BroadcastFocusChanged(TControl* focused) {
    TControl* root = this;
    while (root->parent_) root = root->parent_;
    TMessage message{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused), 0};
    std::vector<TControl*> pending{root};
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        c->WndProc(message);
        for (TControl* child : c->controls_) pending.push_back(child);
    }
}

void TControl::Changed() {
    TMessage message{CM_CHANGED, 0, reinterpret_cast<LPARAM>(this), 0};
    WndProc(message);
}

void TControl::FocusLeftFor(HWND to) {
    // A control of ours tells of itself when it takes the focus; a window inside one that is no
    // control of ours (a combo box's edit) leaves it to us.
    if (!to || FromHandle(to)) return;
    for (HWND w = GetParent(to); w; w = GetParent(w)) {
        TControl* owner = FromHandle(w);
        if (!owner) continue;
        const TControl* root = this;
        while (root->parent_) root = root->parent_;
        const TControl* ownerRoot = owner;
        while (ownerRoot->parent_) ownerRoot = ownerRoot->parent_;
        if (ownerRoot == root) BroadcastFocusChanged(owner);
        return;
    }
}

void TControl::BringToFront() {
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        siblings.push_back(this);
    }
    if (handle_) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- dragging and docking ----

void TControl::BeginDrag(bool immediate, int threshold) { RunControlDrag(*this, dragKind_, immediate, threshold, true); }

void TControl::EndDrag(bool drop) {
    if (drag_) drag_->RequestEnd(drop);
}

void TControl::DragOver(TObject* source, TPoint point, TDragState state, bool& accept) {
    accept = static_cast<bool>(OnDragOver);
    OnDragOver(this, source, point.x, point.y, state, accept);
}

void TControl::DragDrop(TObject* source, TPoint point) { OnDragDrop(this, source, point.x, point.y); }

void TControl::DoStartDrag(TDragObject*& dragObject) { OnStartDrag(this, dragObject); }

void TControl::DoEndDrag(TObject* target, TPoint point) { OnEndDrag(this, target, point.x, point.y); }

void TControl::DoStartDock(TDragDockObject*& dragObject) { OnStartDock(this, dragObject); }

void TControl::DoEndDock(TObject* target, TPoint point) { OnEndDock(this, target, point.x, point.y); }

void TControl::GetSiteInfo(TControl* client, TRect& influence, TPoint mousePos, bool& canDock) {
    OnGetSiteInfo(this, client, influence, mousePos, canDock);
}

void TControl::DockOver(TDragDockObject& source, TPoint point, TDragState state, bool& accept) {
    OnDockOver(this, &source, point.x, point.y, state, accept);
}

void TControl::DockDrop(TDragDockObject& source, TPoint point) {
    const TRect r = source.DockRect();
    source.Control()->DockInto(*this, point, ScreenToClient({r.left, r.top}));
    OnDockDrop(this, &source, point.x, point.y);
}

bool TControl::DoUnDock(TControl* newTarget, TControl& client) {
    bool allow = true;
    OnUnDock(this, &client, newTarget, allow);
    return allow;
}

void TControl::SetDockSite(bool dockSite) {
    if (!StoreIfChanged(dockSite_, dockSite)) return;
    if (!dockSite)
        for (TControl* c : controls_) c->docked_ = false;
    UpdateDockManager();
}

void TControl::SetUseDockManager(bool use) {
    if (StoreIfChanged(useDockManager_, use)) UpdateDockManager();
}

std::unique_ptr<TDockTree> TControl::CreateDockManager() { return std::make_unique<TDockTree>(*this, kDefaultGrabberSize); }

void TControl::UpdateDockManager() {
    const bool needed = dockSite_ && useDockManager_;
    if (needed == (dockManager_ != nullptr)) return;
    dockManager_ = needed ? CreateDockManager() : nullptr;
    Realign();
    Invalidate();
}

TPoint TControl::UndockSize() const {
    if (docked_ && undockSize_.x > 0 && undockSize_.y > 0) return undockSize_;
    return {Width(), Height()};
}

void TControl::DockInto(TControl& site, TPoint point, TPoint topLeft) {
    if (!docked_) undockSize_ = {Width(), Height()};
    TDockTree* manager = site.dockManager_.get();
    const int index = manager ? manager->InsertIndexAt(*this, point) : -1;
    SetAlign(TAlign::None);
    SetParent(&site);
    docked_ = true;
    if (manager) manager->InsertControl(*this, index);
    else SetBounds(topLeft.x, topLeft.y, Width(), Height());
    SetVisible(true);
    site.Realign();
    site.Invalidate();
}

void TControl::FloatInto(const TRect& rect) {
    const TPoint size = UndockSize();
    if (!floatHost_) floatHost_ = new TFloatHostForm(Owner(), *this);
    TFloatHostForm& host = *floatHost_;
    host.SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
    if (parent_ != &host) {
        host.HandleNeeded();  // so that our window moves over instead of being made again
        SetAlign(TAlign::None);
        SetBounds(0, 0, size.x, size.y);
        SetParent(&host);
        SetAlign(TAlign::Client);
    }
    host.SetCaption(Caption());
    SetVisible(true);
    host.Show();
}

bool TControl::ManualDock(TControl& site) {
    TControl* host = HostDockSite();
    if (host && host != &site && !host->DoUnDock(&site, *this)) return false;
    // Past the site's far corner: the control goes last.
    const TPoint end{site.ClientWidth(), site.ClientHeight()};
    TDragDockObject object(this);
    const TPoint origin = site.ClientToScreen({0, 0});
    object.SetDragPos(site.ClientToScreen(end));
    object.SetDragTarget(&site);
    object.SetDockRect(TRect::FromBounds(origin.x, origin.y, Width(), Height()));
    object.SetFloating(false);
    site.DockDrop(object, end);
    return true;
}

bool TControl::ManualFloat(const TRect& screenRect) {
    TControl* host = HostDockSite();
    if (host && !host->DoUnDock(nullptr, *this)) return false;
    FloatInto(screenRect);
    return true;
}

void TControl::Click() { OnClick(this); }

void TControl::Loaded() {
    TComponent::Loaded();
    Realign();
}

// ---- TCustomControl ----

const TClassInfo& TCustomControl::StaticClass() {
    static const auto info = TClassBuilder<TCustomControl>("TCustomControl", TControl::StaticClass()).Build();
    return *info;
}

TCustomControl::TCustomControl(TComponent* owner) : TControl(owner) {}

void TCustomControl::WndProc(TMessage& m) {
    if (m.msg == WM_PAINT && m.wParam) {
        // Painting into a given device context (a see-through child wants our image behind it):
        // nothing is validated.
        TCanvas canvas(reinterpret_cast<HDC>(m.wParam));
        canvas.Font().Assign(*Font());
        Paint(canvas);
        if (DockManager()) DockManager()->PaintSite(canvas);
        return;
    }
    if (m.msg == WM_PAINT) {
        const TPaintScope scope(Handle());
        TCanvas canvas(scope.DC());
        canvas.Font().Assign(*Font());
        Paint(canvas);
        if (DockManager()) DockManager()->PaintSite(canvas);
        return;
    }
    TControl::WndProc(m);
}

void TCustomControl::Paint(TCanvas& canvas) {}

}  // namespace cl
