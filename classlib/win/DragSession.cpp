#include "classlib/win/DragSession.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "classlib/core/DockLayout.h"
#include "classlib/win/DockTree.h"
#include "classlib/win/FloatHostForm.h"
#include "classlib/win/Form.h"
#include "classlib/win/Handles.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {

TRect WindowRectOf(TControl& control) {
    RECT r;
    GetWindowRect(control.Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

// The deepest of our controls whose window is under the point.
TControl* ControlAtScreen(TPoint p) {
    for (HWND w = WindowFromPoint(POINT{p.x, p.y}); w; w = GetAncestor(w, GA_PARENT))
        if (TControl* c = TControl::FromHandle(w)) return c;
    return nullptr;
}

bool IsInside(const TControl* c, const TControl& outer) {
    for (; c; c = c->Parent())
        if (c == &outer) return true;
    return false;
}

// An inverted frame three pixels wide; drawn twice at the same place it is gone again.
void InvertFrame(const TRect& r) {
    static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kHalftone));
    const TBrushHandle brush(CreatePatternBrush(pattern.Get()));
    TScreenDC screen;
    HDC dc = screen.Handle();
    const TSelectObject select(dc, brush.Get());
    const int t = std::min({3, r.Width() / 2, r.Height() / 2});
    PatBlt(dc, r.left, r.top, r.Width(), t, PATINVERT);
    PatBlt(dc, r.left, r.bottom - t, r.Width(), t, PATINVERT);
    PatBlt(dc, r.left, r.top + t, t, r.Height() - 2 * t, PATINVERT);
    PatBlt(dc, r.right - t, r.top + t, t, r.Height() - 2 * t, PATINVERT);
}

bool IsMouseOrKeyInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

}  // namespace

TDragSession::TDragSession(TControl& source, TDragKind kind)
    : source_(&source), kind_(kind), dockObject_(&source) {}

TDragSession::~TDragSession() {
    // An exception from a handler ends the drag too.
    ShowFeedback(std::nullopt);
    if (!finished_ && window_ && GetCapture() == window_) ReleaseCapture();
}

void TDragSession::SourceGone() {
    source_ = nullptr;
    finished_ = true;
}

void TDragSession::Run(bool immediate, int threshold, bool releaseToSource) {
    window_ = source_->Handle();
    hadCapture_ = GetCapture() == window_;
    // Where the press was (the message in hand), wherever the pointer has got to since.
    const DWORD pressed = GetMessagePos();
    press_ = pointer_ = {GET_X_LPARAM(pressed), GET_Y_LPARAM(pressed)};
    threshold_ = threshold >= 0 ? threshold : std::max(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
    // The floating form keeps the pointer where it held the dragged window: the float host,
    // the zone of a docked client with its grabber, or the control itself.
    TRect from = WindowRectOf(source_->FloatHost() ? static_cast<TControl&>(*source_->FloatHost()) : *source_);
    if (TControl* site = source_->HostDockSite(); site && site->DockManager()) {
        const TRect zone = site->DockManager()->ZoneOf(*source_);
        const TPoint origin = site->ClientToScreen({zone.left, zone.top});
        from = TRect::FromBounds(origin.x, origin.y, zone.Width(), zone.Height());
    }
    grabOffset_ = {press_.x - from.left, press_.y - from.top};
    SetCapture(window_);
    if (immediate) {
        Start();
        if (!finished_ && !endRequest_) MoveTo(press_);
    }
    std::optional<MSG> release;
    while (!finished_) {
        MSG msg;
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            Finish(false);
            break;
        }
        if (!started_ && msg.message == WM_LBUTTONUP) {
            release = msg;
            finished_ = true;
            break;
        }
        Dispatch(msg);
        if (finished_) break;
        if (endRequest_) Finish(*endRequest_);
        else if (GetCapture() != window_) Finish(false);
    }
    if (!source_) return;
    if (!started_) {
        if (!hadCapture_ && GetCapture() == window_) ReleaseCapture();
        if (release && releaseToSource) DispatchMessageA(&*release);
    }
}

void TDragSession::Dispatch(MSG& msg) {
    switch (msg.message) {
        case WM_MOUSEMOVE: {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ClientToScreen(msg.hwnd, &p);
            const TPoint screen{p.x, p.y};
            if (!started_) {
                if (!BeyondDragThreshold(press_, screen, threshold_)) return;
                Start();
                if (finished_ || endRequest_) return;
            }
            MoveTo(screen);
            return;
        }
        case WM_LBUTTONUP: {
            // Where the button came up, should the pointer have got there without a move.
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ClientToScreen(msg.hwnd, &p);
            if (!(TPoint{p.x, p.y} == pointer_)) MoveTo({p.x, p.y});
            if (!finished_) Finish(true);
            return;
        }
        case WM_RBUTTONDOWN:
            Finish(false);
            return;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) Finish(false);
            return;
        default:
            // Input belongs to the drag; everything else (painting, timers) goes on as usual.
            if (IsMouseOrKeyInput(msg.message)) return;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            return;
    }
}

void TDragSession::Start() {
    started_ = true;
    if (kind_ == TDragKind::Drag) {
        TDragObject* supplied = nullptr;
        source_->DoStartDrag(supplied);
        userObject_ = supplied;
    } else {
        TDragDockObject* object = &dockObject_;
        source_->DoStartDock(object);
        dockEventObject_ = object ? object : &dockObject_;
    }
}

void TDragSession::MoveTo(TPoint screen) {
    pointer_ = screen;
    if (kind_ == TDragKind::Drag) MoveDrag(screen);
    else MoveDock(screen);
}

// ---- dragging to drop ----

bool TDragSession::AskDragTarget(TControl& target, TDragState state) {
    bool accept = false;
    TObject* source = userObject_ ? static_cast<TObject*>(userObject_) : source_;
    target.DragOver(source, target.ScreenToClient(pointer_), state, accept);
    return accept;
}

void TDragSession::MoveDrag(TPoint screen) {
    if (userObject_) userObject_->SetDragPos(screen);
    TControl* target = ControlAtScreen(screen);
    if (target != target_) {
        if (target_) AskDragTarget(*target_, TDragState::DragLeave);
        target_ = target;
        if (userObject_) userObject_->SetDragTarget(target);
        accepted_ = target && AskDragTarget(*target, TDragState::DragEnter);
    } else if (target) {
        accepted_ = AskDragTarget(*target, TDragState::DragMove);
    }
    if (source_) SetCursor(Screen().CursorHandle(accepted_ ? source_->DragCursor() : crNoDrop));
}

void TDragSession::EndDrag(bool drop) {
    TControl* target = target_;
    if (target) AskDragTarget(*target, TDragState::DragLeave);
    const bool dropped = drop && target && accepted_;
    TPoint at;
    if (dropped) {
        at = target->ScreenToClient(pointer_);
        target->DragDrop(userObject_ ? static_cast<TObject*>(userObject_) : source_, at);
    }
    if (source_) source_->DoEndDrag(dropped ? target : nullptr, at);
}

// ---- dragging to dock ----

bool TDragSession::SiteAgrees(TControl& site, TPoint screen) {
    if (&site == source_ || IsInside(&site, *source_) || !site.DockSite() || !site.Showing() || !site.Enabled()) return false;
    TRect influence = WindowRectOf(site);
    bool canDock = true;
    site.GetSiteInfo(source_, influence, screen, canDock);
    return canDock && influence.Contains(screen);
}

TControl* TDragSession::FindDockSite(TPoint screen) {
    // The nearest site round the pointer first, then any other whose influence reaches it.
    std::vector<TControl*> asked;
    for (TControl* c = ControlAtScreen(screen); c && source_; c = c->Parent()) {
        if (!c->DockSite()) continue;
        asked.push_back(c);
        if (SiteAgrees(*c, screen)) return c;
    }
    for (TCustomForm* form : Screen().Forms()) {
        std::vector<TControl*> pending{form};
        while (!pending.empty() && source_) {
            TControl* c = pending.back();
            pending.pop_back();
            if (c == source_ || !c->Visible()) continue;
            if (c->DockSite() && std::find(asked.begin(), asked.end(), c) == asked.end() && SiteAgrees(*c, screen)) return c;
            for (int i = c->ControlCount() - 1; i >= 0; --i) pending.push_back(c->Controls(i));
        }
    }
    return nullptr;
}

bool TDragSession::AskDockSite(TControl& site, TDragState state) {
    bool accept = true;
    site.DockOver(*dockEventObject_, site.ScreenToClient(pointer_), state, accept);
    return accept;
}

TRect TDragSession::FloatRect(TPoint screen) const {
    TPoint size;
    if (TFloatHostForm* host = source_->FloatHost()) {
        size = {host->Width(), host->Height()};
    } else {
        const TPoint client = source_->UndockSize();
        size = TFloatHostForm::WindowSizeFor(client.x, client.y);
    }
    return RectAtPointer(screen, grabOffset_, size.x, size.y);
}

void TDragSession::MoveDock(TPoint screen) {
    dockEventObject_->SetDragPos(screen);
    TControl* site = FindDockSite(screen);
    if (!source_) return;
    if (site != target_) {
        if (target_) AskDockSite(*target_, TDragState::DragLeave);
        target_ = site;
        dockEventObject_->SetDragTarget(site);
        accepted_ = site && AskDockSite(*site, TDragState::DragEnter);
    } else if (site) {
        accepted_ = AskDockSite(*site, TDragState::DragMove);
    }
    TRect rect = FloatRect(screen);
    if (accepted_) {
        const TPoint origin = target_->ClientToScreen({0, 0});
        if (TDockTree* manager = target_->DockManager()) {
            const TRect zone = manager->DropZone(*source_, target_->ScreenToClient(screen));
            rect = {zone.left + origin.x, zone.top + origin.y, zone.right + origin.x, zone.bottom + origin.y};
        } else {
            rect = RectAtPointer(screen, grabOffset_, source_->Width(), source_->Height());
        }
    }
    dockEventObject_->SetDockRect(rect);
    dockEventObject_->SetFloating(!accepted_);
    ShowFeedback(rect);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

void TDragSession::EndDock(bool drop) {
    TControl* site = target_;
    if (site) AskDockSite(*site, TDragState::DragLeave);
    if (!source_) return;
    TControl& client = *source_;
    bool docked = false;
    TPoint at;
    if (drop) {
        TControl* host = client.HostDockSite();
        if (accepted_ && site) {
            if (host == site || !host || host->DoUnDock(site, client)) {
                at = site->ScreenToClient(pointer_);
                site->DockDrop(*dockEventObject_, at);
                docked = true;
            }
        } else if (!host || host->DoUnDock(nullptr, client)) {
            client.FloatInto(dockEventObject_->DockRect());
        }
    }
    if (source_) source_->DoEndDock(docked ? site : nullptr, at);
}

void TDragSession::ShowFeedback(const std::optional<TRect>& r) {
    if (feedback_ == r) return;
    if (feedback_) InvertFrame(*feedback_);
    feedback_ = r;
    if (feedback_) InvertFrame(*feedback_);
}

// ---- the end ----

void TDragSession::Finish(bool drop) {
    if (finished_) return;
    finished_ = true;
    ShowFeedback(std::nullopt);
    if (GetCapture() == window_) ReleaseCapture();
    if (!started_ || !source_) return;
    if (kind_ == TDragKind::Drag) EndDrag(drop);
    else EndDock(drop);
}

void RunControlDrag(TControl& source, TDragKind kind, bool immediate, int threshold, bool releaseToSource) {
    if (source.drag_) return;
    TDragSession session(source, kind);
    source.drag_ = &session;
    try {
        session.Run(immediate, threshold, releaseToSource);
    } catch (...) {
        if (!session.SourceLost()) source.drag_ = nullptr;
        throw;
    }
    if (!session.SourceLost()) source.drag_ = nullptr;
}

}  // namespace cl
