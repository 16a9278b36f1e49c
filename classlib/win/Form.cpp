#include "classlib/win/Form.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {

// Posted to a form by Release; the form frees itself when it arrives.
const UINT kReleaseMessage = WM_APP + 0x3F00;

const TEnumNames kBorderStyleNames{{{"bsNone", 0}, {"bsSingle", 1}, {"bsSizeable", 2}, {"bsDialog", 3}, {"bsToolWindow", 4}, {"bsSizeToolWin", 5}}};
const TEnumNames kBorderIconNames{{{"biSystemMenu", 0}, {"biMinimize", 1}, {"biMaximize", 2}, {"biHelp", 3}}};
const TEnumNames kPositionNames{{{"poDesigned", 0}, {"poDefault", 1}, {"poDefaultPosOnly", 2}, {"poDefaultSizeOnly", 3},
                                 {"poScreenCenter", 4}, {"poDesktopCenter", 5}, {"poMainFormCenter", 6}, {"poOwnerFormCenter", 7}}};
const TEnumNames kWindowStateNames{{{"wsNormal", 0}, {"wsMinimized", 1}, {"wsMaximized", 2}}};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
    try {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string LoadTextResource(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return std::string();
    HGLOBAL data = LoadResource(module, info);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return std::string();
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, info));
}

const TClassInfo& TCustomForm::StaticClass() {
    static const auto info = TClassBuilder<TCustomForm>("TCustomForm", TControl::StaticClass())
                                 .Enum<TFormBorderStyle>("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, kBorderStyleNames)
                                 .Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, kBorderIconNames)
                                 .Enum<TPosition>("Position", &TCustomForm::Position, &TCustomForm::SetPosition, kPositionNames)
                                 .Enum<TWindowState>("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, kWindowStateNames)
                                 .Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
                                 .Int("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch)
                                 .Bool("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled)
                                 .Event("OnCreate", &TCustomForm::OnCreate)
                                 .Event("OnShow", &TCustomForm::OnShow)
                                 .Event("OnHide", &TCustomForm::OnHide)
                                 .Event("OnClose", &TCustomForm::OnClose)
                                 .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
                                 .Event("OnDestroy", &TCustomForm::OnDestroy)
                                 .Event("OnActivate", &TCustomForm::OnActivate)
                                 .Event("OnDeactivate", &TCustomForm::OnDeactivate)
                                 .Build();
    return *info;
}

const TClassInfo& TForm::StaticClass() {
    static const auto info = TClassBuilder<TForm>("TForm", TCustomForm::StaticClass()).Build();
    return *info;
}

TCustomForm::TCustomForm(TComponent* owner) : TControl(owner), pixelsPerInch_(Screen().PixelsPerInch()) {
    SetVisibleFlag(false);
    StoredBounds() = TRect::FromBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
    Screen().RemoveForm(this);
    Destroying();
    DestroyComponents();  // while the form is whole: its components may talk to its window
}

void TCustomForm::BeforeDestruction() {
    if (destroyDone_) return;
    destroyDone_ = true;
    try {
        OnDestroy(this);
    } catch (...) {
        TApplication::HandleCurrentException();
    }
}

void TCustomForm::ReadFormResource() {
    const std::string text = LoadTextResource(ClassName());
    if (text.empty()) throw EFormReadError(std::string("Resource ") + ClassName() + " not found");
    cl::ReadFormResource(*this, text, ClassName());
}

void TCustomForm::DoCreate() { OnCreate(this); }

void TCustomForm::ResourceRead() {
    const int screen = Screen().PixelsPerInch();
    if (!scaled_ || pixelsPerInch_ <= 0 || pixelsPerInch_ == screen) return;
    ChangeScale(screen, pixelsPerInch_);
    for (TControl* c : controls_) ScaleReadControls(*c, screen, pixelsPerInch_);
    pixelsPerInch_ = screen;
}

void TCustomForm::ScaleReadControls(TControl& control, int m, int d) {
    // Only what the resource gave: the parts that controls make for themselves size themselves.
    if (control.IsLoading()) control.ChangeScale(m, d);
    for (TControl* c : control.controls_) ScaleReadControls(*c, m, d);
}

void TCustomForm::ChangeScale(int m, int d) {
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    SetClientWidth(MulDiv(clientWidth, m, d));
    SetClientHeight(MulDiv(clientHeight, m, d));
    if (!ParentFont() && fontFromResource_) Font()->SetHeight(MulDiv(Font()->Height(), m, d));
}

DWORD TCustomForm::WindowStyleFor(TFormBorderStyle borderStyle, unsigned borderIcons) {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    const bool sysMenu = borderIcons & biSystemMenu;
    switch (borderStyle) {
        case TFormBorderStyle::None: return style | WS_POPUP;
        case TFormBorderStyle::Single: style |= WS_CAPTION | WS_BORDER; break;
        case TFormBorderStyle::Sizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
        case TFormBorderStyle::Dialog: return style | WS_POPUP | WS_CAPTION | DS_MODALFRAME | (sysMenu ? WS_SYSMENU : 0);
        case TFormBorderStyle::ToolWindow: return style | WS_CAPTION | WS_SYSMENU;
        case TFormBorderStyle::SizeToolWin: return style | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    }
    if (sysMenu) style |= WS_SYSMENU;
    if (borderIcons & biMinimize) style |= WS_MINIMIZEBOX;
    if (borderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD TCustomForm::WindowExStyleFor(TFormBorderStyle borderStyle) {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (borderStyle == TFormBorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle == TFormBorderStyle::ToolWindow || borderStyle == TFormBorderStyle::SizeToolWin) ex |= WS_EX_TOOLWINDOW;
    return ex;
}

DWORD TCustomForm::WindowStyle() const { return WindowStyleFor(borderStyle_, borderIcons_); }

DWORD TCustomForm::WindowExStyle() const { return WindowExStyleFor(borderStyle_); }

TRect TCustomForm::FrameExtraOf(TFormBorderStyle borderStyle, unsigned borderIcons) {
    RECT r = {0, 0, 0, 0};
    AdjustWindowRectEx(&r, WindowStyleFor(borderStyle, borderIcons), FALSE, WindowExStyleFor(borderStyle));
    return {-r.left, -r.top, r.right, r.bottom};
}

TRect TCustomForm::FrameExtra() const { return FrameExtraOf(borderStyle_, borderIcons_); }

TRect TCustomForm::ClientRect() {
    if (HandleAllocated()) return TControl::ClientRect();
    const TRect extra = FrameExtra();
    return TRect::FromBounds(0, 0, std::max(0, Width() - extra.left - extra.right),
                             std::max(0, Height() - extra.top - extra.bottom));
}

void TCustomForm::SetClientWidth(int width) {
    const TRect extra = FrameExtra();
    SetWidth(width + extra.left + extra.right);
}

void TCustomForm::SetClientHeight(int height) {
    const TRect extra = FrameExtra();
    SetHeight(height + extra.top + extra.bottom);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(unsigned icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (HandleAllocated() && Visible())
        ShowWindow(Handle(), state == TWindowState::Maximized ? SW_MAXIMIZE : state == TWindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
}

void TCustomForm::CreateParams(TCreateParams& params) {
    params.windowClass = ClassName();
    params.style = WindowStyle();
    params.exStyle = WindowExStyle() | BiDiModeExStyle();
    params.classStyle = CS_DBLCLKS;
    params.parentWindow = Application() ? Application()->Handle() : nullptr;  // owner, not parent
}

void TCustomForm::CreateWnd() {
    if (!positioned_) ApplyPosition();
    TControl::CreateWnd();
}

void TCustomForm::ApplyPosition() {
    positioned_ = true;
    RECT area;
    switch (position_) {
        case TPosition::ScreenCenter:
        case TPosition::DesktopCenter:
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
            break;
        case TPosition::MainFormCenter:
        case TPosition::OwnerFormCenter: {
            TCustomForm* main = Application() ? Application()->MainForm() : nullptr;
            if (!main || main == this || !main->HandleAllocated()) {
                SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
                break;
            }
            GetWindowRect(main->Handle(), &area);
            break;
        }
        default:
            return;
    }
    const int left = area.left + (area.right - area.left - Width()) / 2;
    const int top = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(std::max(0, left), std::max(0, top), Width(), Height());
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        HandleNeeded();
        // The form shows even when its show handler fails; the failure is raised afterwards.
        std::exception_ptr failure;
        try {
            OnShow(this);
        } catch (...) {
            failure = std::current_exception();
        }
        SetVisibleFlag(true);
        const int command = windowState_ == TWindowState::Maximized ? SW_SHOWMAXIMIZED
                            : windowState_ == TWindowState::Minimized ? SW_SHOWMINIMIZED
                                                                      : SW_SHOW;
        ShowWindow(Handle(), command);
        SetForegroundWindow(Handle());
        if (failure) std::rethrow_exception(failure);
    } else {
        OnHide(this);
        SetVisibleFlag(false);
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    TApplication* app = Application();
    if (!app) throw EInvalidOperation("A modal form needs the application object");
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);
    auto restore = [&] {
        for (HWND window : disabled)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        modal_ = false;
    };
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        while (modalResult_ == mrNone) {
            app->HandleMessage();
            if (app->Terminated()) modalResult_ = mrCancel;
        }
    } catch (...) {
        restore();
        Hide();
        throw;
    }
    restore();
    Hide();
    return modalResult_;
}

void TCustomForm::Close() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    if (!canClose) return;
    TApplication* app = Application();
    const bool isMain = app && app->MainForm() == this;
    TCloseAction action = modal_ ? TCloseAction::Hide : (isMain ? TCloseAction::Free : TCloseAction::Hide);
    OnClose(this, action);
    if (action == TCloseAction::None) return;
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    if (isMain) {
        app->Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::Hide: Hide(); break;
        case TCloseAction::Minimize: SetWindowState(TWindowState::Minimized); break;
        case TCloseAction::Free: Release(); break;
        case TCloseAction::None: break;
    }
}

void TCustomForm::Release() {
    if (HandleAllocated()) PostMessageA(Handle(), kReleaseMessage, 0, 0);
}

void TCustomForm::UpdateActions() {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TActionList*>(Components(i))) list->UpdateActions();
}

bool TCustomForm::IsShortCut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const TShortCut shortCut = ShortCutFromKey(static_cast<WORD>(message.wParam), KeyboardShiftState());
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TActionList*>(Components(i)); list && list->ExecuteShortCut(shortCut)) return true;
    return false;
}

bool TCustomForm::ClickButton(bool defaultButton) {
    // Depth-first over the form's controls, as they are nested.
    std::vector<TControl*> pending{this};
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        if (c != this && c->IsDialogButton(defaultButton) && c->Visible() && c->Enabled()) {
            c->Click();
            return true;
        }
        for (int i = c->ControlCount() - 1; i >= 0; --i) pending.push_back(c->Controls(i));
    }
    return false;
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_COMMAND:
            if (m.lParam == 0 || !TControl::FromHandle(reinterpret_cast<HWND>(m.lParam))) {
                const WORD id = LOWORD(m.wParam);
                if (id == IDOK && ClickButton(true)) return;
                if (id == IDCANCEL) {
                    if (!ClickButton(false) && modal_) modalResult_ = mrCancel;
                    return;
                }
            }
            break;
        case WM_ACTIVATE:
            DefaultHandler(m);
            if (LOWORD(m.wParam) != WA_INACTIVE) OnActivate(this);
            else OnDeactivate(this);
            return;
        case WM_SYSCOMMAND:
            if ((m.wParam & 0xFFF0) == SC_MINIMIZE && Application() && Application()->MainForm() == this) {
                Application()->Minimize();
                return;
            }
            break;
        case WM_SIZE:
            if (m.wParam == SIZE_MINIMIZED) windowState_ = TWindowState::Minimized;
            else if (m.wParam == SIZE_MAXIMIZED) windowState_ = TWindowState::Maximized;
            else if (m.wParam == SIZE_RESTORED) windowState_ = TWindowState::Normal;
            break;
        default:
            if (m.msg == kReleaseMessage) {
                Free(this);
                return;
            }
            break;
    }
    TControl::WndProc(m);
}

}  // namespace cl
