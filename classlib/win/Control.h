#pragma once
// Windowed controls: every control owns one window, made when it is first needed from the
// control's stored state (so a form resource can set properties before any window exists).
// Messages reach the control's WndProc, which classes extend per message; notifications that
// Windows sends to a parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...) are handed back to the
// child control they are about. No C++ exception leaves a window procedure: it goes to the
// application's handler.

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/AlignLayout.h"
#include "classlib/core/Colors.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/StoreIfChanged.h"
#include "classlib/win/Font.h"

namespace cl {

class TCustomForm;
class TPopupMenu;

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

enum class TMouseButton { Left, Right, Middle };
using TShiftState = unsigned;
enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

// Handed to every control of a window tree (a form and all its controls) when one of them took
// the focus; lParam is that control (a TControl*).
constexpr UINT CM_FOCUSCHANGED = 0xB007;
// Handed by a control to itself when the user changed its value (before the control's click
// event for that change); lParam is the control.
constexpr UINT CM_CHANGED = 0xB037;

// The keyboard and mouse-button state as the mouse and key events report it.
TShiftState ShiftStateFromKeys(WPARAM mouseKeys);
TShiftState KeyboardShiftState();

class TControl : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // ---- tree of controls ----
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override { return parent_; }
    TCustomForm* ParentForm() const;

    // ---- window ----
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    static TControl* FromHandle(HWND window);

    // ---- position and size, relative to the parent's client area ----
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return bounds_; }
    virtual TRect ClientRect();
    int ClientWidth() { return ClientRect().Width(); }
    int ClientHeight() { return ClientRect().Height(); }
    virtual void SetClientWidth(int width);
    virtual void SetClientHeight(int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // Places the aligned child controls again.
    void Realign();
    TPoint ClientToScreen(TPoint p);
    TPoint ScreenToClient(TPoint p);

    // ---- state ----
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, with every parent visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The window text as it is now (an edit's text may have changed under us).
    std::string Text();
    void SetText(const std::string& text) { SetCaption(text); }
    TFont* Font() { return &font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    // The hint to show with the pointer at point (client coordinates) and the area it holds for;
    // false for none. By default the short hint over the whole control while ShowHint is set.
    virtual bool HintAt(TPoint point, std::string& text, TRect& area);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }

    void Invalidate();
    void Repaint();
    void Update();
    void SetFocus();
    bool Focused();
    void BringToFront();
    // Hands CM_FOCUSCHANGED about focused to every control of this control's window tree, the
    // topmost parent (its form) included. Controls tell it themselves when they take the focus.
    void BroadcastFocusChanged(TControl* focused);

    // Sends a message to the control's window (made first if need be).
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // ---- events ----
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnResize;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    virtual void Click();
    void Loaded() override;

protected:
    struct TCreateParams {
        std::string windowClass;  // ours (registered on demand) or a standard class
        bool standardClass = false;
        DWORD style = 0;
        DWORD exStyle = 0;
        DWORD classStyle = CS_DBLCLKS;
        HWND parentWindow = nullptr;
        HMENU menuOrId = nullptr;
    };
    virtual void CreateParams(TCreateParams& params);
    // Makes the window from the stored state, then the windows of the child controls.
    virtual void CreateWnd();
    // Pushes the stored state that the window does not get at creation (font, text limits...).
    virtual void InitializeWnd() {}
    void DestroyHandle();
    // Makes the window again with the current state (after a style change).
    void RecreateWnd();

    virtual void WndProc(TMessage& message);
    // The standard class's own processing (or DefWindowProc for our classes).
    void DefaultHandler(TMessage& message);
    // A WM_COMMAND or WM_NOTIFY that the parent received about this control.
    virtual bool CommandNotification(WORD code) { return false; }
    virtual bool Notify(NMHDR* header, LRESULT& result) { return false; }
    // An owner-drawn item of this control that the parent was asked to draw.
    virtual bool DrawItem(const DRAWITEMSTRUCT& item) { return false; }
    // Background and text colours for WM_CTLCOLOR*; null leaves the default.
    virtual HBRUSH ControlColor(HDC dc);
    virtual void AlignControls();
    virtual void Resize() { OnResize(this); }
    virtual void FontChanged();
    virtual void ColorChanged();
    // The parent's colour changed, or the control has another parent: a ParentColor control
    // takes the colour.
    virtual void ParentColorChanged();
    // A child control was added (true) or removed.
    virtual void ControlListChanged(TControl* control, bool inserted) {}
    // Throws to refuse a new parent (none included) before the control goes to it.
    virtual void ValidateParent(TControl* parent) {}
    // The control went to another parent (or to none).
    virtual void ParentChanged() {}
    virtual void DoContextPopup(TPoint screenPoint, bool& handled);
    // Hands CM_CHANGED to this control.
    void Changed();
    // Property writers: store a value that differs, then repaint (or realign and repaint).
    template <class T, class U>
    void StoreAndInvalidate(T& field, const U& value) {
        if (StoreIfChanged(field, value)) Invalidate();
    }
    template <class T, class U>
    void StoreAndRealign(T& field, const U& value) {
        if (!StoreIfChanged(field, value)) return;
        Realign();
        Invalidate();
    }
    void Notification(TComponent* component, TOperation operation) override;
    HBRUSH BackgroundBrush();
    // Only the stored flag: forms show and hide their windows their own way.
    void SetVisibleFlag(bool visible) { visible_ = visible; }
    // Whether this control is the form's default button (pressed by Enter) or, when
    // defaultButton is false, its cancel button (pressed by Escape).
    virtual bool IsDialogButton(bool defaultButton) const { return false; }
    TRect& StoredBounds() { return bounds_; }
    friend class TCustomForm;

private:
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK InitialWindowProc(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND window);
    void DetachWindow();
    void Dispatch(TMessage& message);
    void HandleMouse(TMessage& message);
    bool HandleKey(TMessage& message);
    void UpdateBoundsFromWindow();
    void ParentFontChanged();
    void TakeParentColor();
    // The focus went from this control to the window to (which may be none).
    void FocusLeftFor(HWND to);

    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    bool creatingHandle_ = false;

    TRect bounds_ = TRect::FromBounds(0, 0, 100, 50);
    TAlign align_ = TAlign::None;
    bool aligning_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TFont font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TBrushHandle colorBrush_;
    TPopupMenu* popupMenu_ = nullptr;
    std::string hint_;
    bool showHint_ = false;
    bool tabStop_ = false;
    int tabOrder_ = -1;
    bool mouseDownInside_ = false;
};

// A control of our own window class that paints itself through its canvas.
class TCustomControl : public TControl {
    CL_CLASS_INFO()
public:
    explicit TCustomControl(TComponent* owner);

protected:
    void WndProc(TMessage& message) override;
    // Paints the client area; the canvas holds the control's font.
    virtual void Paint(class TCanvas& canvas);
};

}  // namespace cl
