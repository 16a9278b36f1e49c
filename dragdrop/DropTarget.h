#pragma once
// The target side of an OLE drag: a component attached to a windowed control, with the drag
// types it accepts and the events of a drag over that control.
//
// This class offers what the program uses so far: its published properties and events, and
// AttachToControl and DetachFromControl remembering the control; registering the window with
// OLE comes later.

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Control.h"
#include "dragdrop/DropSource.h"

using TDropTargetEvent = cl::TEvent<cl::TObject*, cl::TShiftState, cl::TPoint, int&>;

class TDropTarget : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TDropTarget(cl::TComponent* owner) : cl::TComponent(owner) {}
    ~TDropTarget() override;

    TDragTypes Dragtypes() const { return dragTypes_; }
    void SetDragtypes(TDragTypes v) { dragTypes_ = v; }
    bool GetDataOnEnter() const { return getDataOnEnter_; }
    void SetGetDataOnEnter(bool v) { getDataOnEnter_ = v; }
    bool ShowImage() const { return showImage_; }
    void SetShowImage(bool v) { showImage_ = v; }

    // Makes the control the target of drops (detaching the one before).
    void AttachToControl(cl::TControl* control);
    void DetachFromControl();
    cl::TControl* Control() const { return control_; }

    TDropTargetEvent OnEnter;
    TDropTargetEvent OnDragOver;
    TDropTargetEvent OnDrop;
    TDropTargetEvent OnGetDropEffect;
    cl::TNotifyEvent OnLeave;

protected:
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    TDragTypes dragTypes_ = 0;
    bool getDataOnEnter_ = false;
    bool showImage_ = true;
    cl::TControl* control_ = nullptr;
};
