#pragma once
// Windowed controls: every control owns one window, made when it is first needed from the
// control's stored state (so a form resource can set properties before any window exists).
// Messages reach the control's WndProc, which classes extend per message; notifications that
// Windows sends to a parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...) are handed back to the
// child control they are about. No C++ exception leaves a window procedure: it goes to the
// application's handler.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/AlignLayout.h"
#include "classlib/core/BiDiMode.h"
#include "classlib/core/Colors.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/StoreIfChanged.h"
#include "classlib/win/Font.h"
#include "classlib/win/Screen.h"

namespace cl {

class TCustomForm;
class TPopupMenu;
class TControl;
class TDockTree;
class TDragObject;
class TDragDockObject;
class TDragSession;
class TFloatHostForm;

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// Sent to the focused control of a form when another of its controls is pressed by a mouse
// button (lParam: that control), so that a mode the focused control is in (an open list, a
// floating preview) can end.
constexpr UINT CM_CANCELMODE = 0xB004;

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
// Dragging: a control is dragged to drop it on another (Drag) or to dock it in a dock site or
// float it in a form of its own (Dock). Automatic dragging starts at a left-button press.
enum class TDragMode { Manual, Automatic };
enum class TDragKind { Drag, Dock };
// How the pointer of a drag stands to the control asked: it came in, left, or moved inside.
enum class TDragState { DragEnter, DragLeave, DragMove };

// (Sender, Source, X, Y, State, Accept): Source is the dragged control, or the drag object its
// OnStartDrag handler supplied; X and Y are in the Sender's client coordinates.
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
// (Sender, Source, X, Y)
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
// (Sender, DragObject): the handler may supply a drag object of its own (it keeps owning it).
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;
using TStartDockEvent = TEvent<TObject*, TDragDockObject*&>;
// (Sender, Target, X, Y): the control it was dropped on (or docked in), null when the drag was
// cancelled, refused or, for docking, the control floated; X and Y in the target's coordinates.
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
// (Sender, DockClient, InfluenceRect, MousePos, CanDock): asked of a dock site while a control
// is dragged to dock; the site may move its screen rectangle that catches the pointer or refuse.
using TGetSiteInfoEvent = TEvent<TObject*, TControl*, TRect&, TPoint, bool&>;
// (Sender, Source, X, Y, State, Accept)
using TDockOverEvent = TEvent<TObject*, TDragDockObject*, int, int, TDragState, bool&>;
// (Sender, Source, X, Y): after the control docked in the Sender.
using TDockDropEvent = TEvent<TObject*, TDragDockObject*, int, int>;
// (Sender, Client, NewTarget, Allow): a docked client is about to leave for another site
// (NewTarget) or to float (NewTarget null); Allow false keeps it.
using TUnDockEvent = TEvent<TObject*, TControl*, TControl*, bool&>;

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
    // Makes the control visible; first each parent hears of it (ShowControl), so that a
    // container can bring it into view: a hidden page or pane it lies in is shown.
    void Show();
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

    // ---- reading order ----
    TBiDiMode BiDiMode() const { return biDiMode_; }
    // Also switches ParentBiDiMode off.
    void SetBiDiMode(TBiDiMode mode);
    // The control takes its parent's BiDiMode, now and whenever the parent's changes.
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool parentBiDiMode);
    bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::LeftToRight; }
    bool UseRightToLeftAlignment() const { return biDiMode_ == TBiDiMode::RightToLeft; }
    bool UseRightToLeftScrollBar() const {
        return biDiMode_ == TBiDiMode::RightToLeft || biDiMode_ == TBiDiMode::RightToLeftNoAlign;
    }
    // DT_RTLREADING when the control reads from right to left, else 0.
    UINT DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

    // ---- dragging and docking ----
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    // The cursor while a drag of this control is over a control that accepts it.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    // Drags the control (to drop or to dock, by DragKind) while the left button is held: at
    // once, or when the pointer has moved threshold pixels (-1: the system's distance) from
    // where it was at the message in hand (the press); a release before then is handed back
    // as the click it was. Returns
    // when the drag is over: released, cancelled by Escape or the right button, or ended by
    // EndDrag.
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends this control's drag: dropped where the pointer is, or cancelled.
    void EndDrag(bool drop);
    bool Dragging() const { return drag_ != nullptr; }

    // A dock site takes controls dragged onto it; with UseDockManager a dock manager lays
    // them out.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool dockSite);
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool use);
    TDockTree* DockManager() const { return dockManager_.get(); }
    // The dock site this control is docked in (null when it is not docked).
    TControl* HostDockSite() const { return docked_ ? parent_ : nullptr; }
    // The form this control floats in since it was undocked (null when it does not float);
    // the form goes when the control leaves it.
    TFloatHostForm* FloatHost() const { return floatHost_; }
    // Docks the control in a site from code (last in its order), as a drop there would, with
    // the old site's OnUnDock and the new one's OnDockDrop; false when the old site refused.
    bool ManualDock(TControl& site);
    // Floats the control in its host form with that window rectangle (screen coordinates);
    // false when the site it is docked in refused to let it go.
    bool ManualFloat(const TRect& screenRect);
    // The client size the control floats with: its size before it was last docked.
    TPoint UndockSize() const;

    // Erasing and painting go to an off-screen bitmap that is then copied to the window in one
    // step, so that no state between them (a background without its drawing) ever shows.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool doubleBuffered) { doubleBuffered_ = doubleBuffered; }

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
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TStartDockEvent OnStartDock;
    TEndDragEvent OnEndDock;
    TGetSiteInfoEvent OnGetSiteInfo;
    TDockOverEvent OnDockOver;
    TDockDropEvent OnDockDrop;
    TUnDockEvent OnUnDock;

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
    // Gives the window up without destroying it: it gets back its class's own processing and
    // is no longer this control's, which makes a new one when next needed. For a control
    // without child controls; the caller owns the window from then on.
    HWND ReleaseHandle();
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
    // The parent's colour changed, or ParentColor was set; the control takes it when
    // ParentColor is set.
    virtual void ParentColorChanged();
    // Shows color and leaves ParentColor as it is: a colour the control's state lends it for
    // a while (focused, disabled), not one of its own.
    void LendColor(TColor color);
    // The key events: a handler that sets the key to 0 swallows it. Descendants that act on a
    // key do so after these, so that the handler sees the key first.
    virtual void DoKeyDown(WORD& key, TShiftState shift) { OnKeyDown(this, key, shift); }
    virtual void DoKeyUp(WORD& key, TShiftState shift) { OnKeyUp(this, key, shift); }
    virtual void DoKeyPress(char& key) { OnKeyPress(this, key); }
    // A child control was added (true) or removed.
    virtual void ControlListChanged(TControl* control, bool inserted) {}
    // A child control that is not aligned was moved or resized through SetBounds.
    virtual void ControlBoundsChanged(TControl& /*child*/) {}
    // Throws to refuse a new parent (none included) before the control goes to it.
    virtual void ValidateParent(TControl* parent) {}
    // Throws to refuse a new child before it is put into this control.
    virtual void ValidateInsert(TControl& /*child*/) {}
    // The control went to another parent (or to none).
    virtual void ParentChanged() {}
    // The form resource this control was read from is scaled by m / d (the screen's pixels per
    // inch over those it was designed at): the control scales its position and size, and its
    // font when the resource gave it one of its own. Classes scale what else they keep in pixels.
    virtual void ChangeScale(int m, int d);
    // Show was asked of child, a child control (or of a control inside it); the default passes
    // it on to the parent.
    virtual void ShowControl(TControl* child);
    // BiDiMode changed (the window's reading and scroll-bar styles already follow it); the
    // default repaints.
    virtual void BiDiModeChanged() { Invalidate(); }
    virtual void DoContextPopup(TPoint screenPoint, bool& handled);
    // Hands CM_CHANGED to this control.
    void Changed();

    // ---- the steps of a drag; each default runs the event of the same name ----
    // A drag is over this control; accept starts false, or true when OnDragOver is assigned.
    virtual void DragOver(TObject* source, TPoint point, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, TPoint point);
    virtual void DoStartDrag(TDragObject*& dragObject);
    // The drag of this control ended (target null when nothing took it).
    virtual void DoEndDrag(TObject* target, TPoint point);
    virtual void DoStartDock(TDragDockObject*& dragObject);
    virtual void DoEndDock(TObject* target, TPoint point);
    // This dock site is asked whether it takes client at the pointer; influence starts as its
    // window rectangle.
    virtual void GetSiteInfo(TControl* client, TRect& influence, TPoint mousePos, bool& canDock);
    // A dock drag is over this site; accept starts true.
    virtual void DockOver(TDragDockObject& source, TPoint point, TDragState state, bool& accept);
    // Docks the dragged control here, then OnDockDrop.
    virtual void DockDrop(TDragDockObject& source, TPoint point);
    // A client docked here wants to leave for newTarget (null: to float); false keeps it.
    virtual bool DoUnDock(TControl* newTarget, TControl& client);
    // The manager a dock site with UseDockManager gets.
    virtual std::unique_ptr<TDockTree> CreateDockManager();
    // The area the dock manager shares among the docked clients.
    virtual TRect DockArea() { return ClientRect(); }

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
    // The window's extended styles for BiDiMode: right-to-left reading, scroll bars at the left.
    DWORD BiDiModeExStyle() const;
    // Only the stored flag: forms show and hide their windows their own way.
    void SetVisibleFlag(bool visible) { visible_ = visible; }
    // Whether this control is the form's default button (pressed by Enter) or, when
    // defaultButton is false, its cancel button (pressed by Escape).
    virtual bool IsDialogButton(bool defaultButton) const { return false; }
    TRect& StoredBounds() { return bounds_; }
    friend class TCustomForm;

private:
    friend class TDragSession;
    friend class TFloatHostForm;
    friend void RunControlDrag(TControl&, TDragKind, bool, int, bool);
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK InitialWindowProc(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND window);
    void DetachWindow();
    void Dispatch(TMessage& message);
    // Answers WM_PAINT through an off-screen bitmap (DoubleBuffered).
    void PaintBuffered();
    void HandleMouse(TMessage& message);
    bool HandleKey(TMessage& message);
    void UpdateBoundsFromWindow();
    void ParentFontChanged();
    // The focus went from this control to the window to (which may be none).
    void FocusLeftFor(HWND to);
    void AdoptParentBiDiMode();
    void ApplyBiDiMode(TBiDiMode mode);
    void SendCancelMode();
    // Makes the dock manager when the control needs one and drops it when it no longer does.
    void UpdateDockManager();
    // Moves the control into site: at the place in the manager's order that point (site
    // coordinates) picks, or without a manager to topLeft.
    void DockInto(TControl& site, TPoint point, TPoint topLeft);
    // Moves the control into its float host form, made when needed, at rect (screen).
    void FloatInto(const TRect& rect);

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
    bool fontFromResource_ = false;  // the font changed while the control was being read
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TBrushHandle colorBrush_;
    TBiDiMode biDiMode_ = TBiDiMode::LeftToRight;
    bool parentBiDiMode_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    std::string hint_;
    bool showHint_ = false;
    bool doubleBuffered_ = false;
    bool tabStop_ = false;
    int tabOrder_ = -1;
    bool mouseDownInside_ = false;

    TDragMode dragMode_ = TDragMode::Manual;
    TDragKind dragKind_ = TDragKind::Drag;
    TCursor dragCursor_ = crDrag;
    TDragSession* drag_ = nullptr;  // the drag of this control in progress
    bool dockSite_ = false;
    bool useDockManager_ = false;
    std::unique_ptr<TDockTree> dockManager_;
    bool docked_ = false;  // docked in the parent, a dock site
    TFloatHostForm* floatHost_ = nullptr;
    TPoint undockSize_{0, 0};
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
