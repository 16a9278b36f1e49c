#pragma once
// A drag of a control with the mouse. While the left button is held the drag runs its own
// message loop with the mouse captured by the dragged control: each move asks the control
// under the pointer (OnDragOver) or the dock site there (OnGetSiteInfo, OnDockOver) whether
// it takes the control, the release drops it (OnDragDrop; or OnUnDock of the site it leaves,
// then OnDockDrop, or floating it in a form of its own), and the dragged control hears the
// end (OnEndDrag, OnEndDock). Escape, the right button or the loss of the capture cancel.
// Messages other than mouse and key input are handled as usual meanwhile.

#include <optional>

#include "classlib/core/Geometry.h"
#include "classlib/core/Object.h"
#include "classlib/win/Control.h"

namespace cl {

// What is being dragged and where.
class TDragObject : public TObject {
public:
    explicit TDragObject(TControl* control) : control_(control) {}
    TControl* Control() const { return control_; }
    // The pointer, in screen coordinates.
    TPoint DragPos() const { return dragPos_; }
    void SetDragPos(TPoint p) { dragPos_ = p; }
    // The control the pointer is over that was asked last (a dock site for docking), or null.
    TControl* DragTarget() const { return dragTarget_; }
    void SetDragTarget(TControl* target) { dragTarget_ = target; }

private:
    TControl* control_;
    TPoint dragPos_;
    TControl* dragTarget_ = nullptr;
};

class TDragDockObject : public TDragObject {
public:
    using TDragObject::TDragObject;
    // Where the control would land (screen): its zone in the site, or the floating form.
    TRect DockRect() const { return dockRect_; }
    void SetDockRect(const TRect& r) { dockRect_ = r; }
    // The control would float where it is released.
    bool Floating() const { return floating_; }
    void SetFloating(bool v) { floating_ = v; }

private:
    TRect dockRect_;
    bool floating_ = true;
};

class TDragSession {
public:
    TDragSession(TControl& source, TDragKind kind);
    ~TDragSession();
    TDragSession(const TDragSession&) = delete;
    TDragSession& operator=(const TDragSession&) = delete;

    // Runs the drag to its end. releaseToSource: a release before the drag started is handed
    // to the source as the click it was (the press was the source's own).
    void Run(bool immediate, int threshold, bool releaseToSource);
    // Asks the loop to end after the message in hand: drop where the pointer is, or cancel.
    void RequestEnd(bool drop) { endRequest_ = drop; }
    // The source is being destroyed: the drag ends without touching it again.
    void SourceGone();
    bool SourceLost() const { return source_ == nullptr; }

private:
    void Dispatch(MSG& msg);
    void Start();
    void MoveTo(TPoint screen);
    void Finish(bool drop);
    void MoveDrag(TPoint screen);
    void MoveDock(TPoint screen);
    void EndDrag(bool drop);
    void EndDock(bool drop);
    bool AskDragTarget(TControl& target, TDragState state);
    bool AskDockSite(TControl& site, TDragState state);
    TControl* FindDockSite(TPoint screen);
    bool SiteAgrees(TControl& site, TPoint screen);
    // The rectangle of the float host for the pointer at screen.
    TRect FloatRect(TPoint screen) const;
    void ShowFeedback(const std::optional<TRect>& r);

    TControl* source_;
    TDragKind kind_;
    HWND window_ = nullptr;  // the source's window, which holds the capture
    bool hadCapture_ = false;
    bool started_ = false;
    bool finished_ = false;
    std::optional<bool> endRequest_;
    TPoint press_;
    TPoint pointer_;
    TPoint grabOffset_;  // the pointer's offset from the dragged window's corner at the press
    int threshold_ = 0;
    TDragDockObject dockObject_;
    TDragObject* userObject_ = nullptr;      // supplied by OnStartDrag
    TDragDockObject* dockEventObject_ = nullptr;  // the one OnStartDock left
    TControl* target_ = nullptr;
    bool accepted_ = false;
    std::optional<TRect> feedback_;  // the dock frame on the screen now
};

// Drags source as the given kind (the dock manager's grabbers and the float host's caption
// always dock); see TControl::BeginDrag.
void RunControlDrag(TControl& source, TDragKind kind, bool immediate, int threshold = -1, bool releaseToSource = false);

}  // namespace cl
