#pragma once
// The target side of an OLE drag: a component attached to a windowed control (registered with
// OLE as the window's drop target) that decides the effect of a drag over the control from
// Dragtypes and the keys held, shows the source's drag image, scrolls the control while the
// pointer rests near an edge, and raises events for each step. Derived classes read the data.

#include <windows.h>
#include <ole2.h>
#include <commctrl.h>

#include <memory>

#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Control.h"
#include "classlib/win/Handles.h"
#include "dragdrop/Clipboard.h"
#include "dragdrop/ComPtr.h"
#include "dragdrop/DropEffects.h"
#include "dragdrop/InterfacedComponent.h"

namespace cl {
class TTimer;
}

namespace dragdrop {
struct TImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST images) { ImageList_Destroy(images); }
};
using TImageListHandle = cl::TUniqueHandle<HIMAGELIST, TImageListTraits>;
}  // namespace dragdrop

// Sender, the shift state, the point (client coordinates of the control) and the effect the
// handler may change.
using TDropTargetEvent = cl::TEvent<cl::TObject*, cl::TShiftState, cl::TPoint, int&>;

class TDropTarget : public TInterfacedComponent, public IDropTarget {
    CL_CLASS_INFO()
public:
    explicit TDropTarget(cl::TComponent* owner);
    ~TDropTarget() override;

    TDragTypes Dragtypes() const { return dragTypes_; }
    void SetDragtypes(TDragTypes v) { dragTypes_ = v; }
    // Whether the data are read as the drag enters (else only when it drops).
    bool GetDataOnEnter() const { return getDataOnEnter_; }
    void SetGetDataOnEnter(bool v) { getDataOnEnter_ = v; }
    bool ShowImage() const { return showImage_; }
    // During a drag, also shows or hides the drag image at once.
    void SetShowImage(bool v);

    // Registers the control's window as an OLE drop target (detaching the control before);
    // EInvalidOperation "Failed to Register <name>" when OLE refuses, and the component stays
    // detached.
    void AttachToControl(cl::TControl* control);
    // Revokes the registration; EInvalidOperation "Failed to Unregister <name>" when OLE
    // refuses. The control is forgotten in any case.
    void DetachFromControl();
    cl::TControl* Control() const { return control_; }
    bool Registered() const { return registered_; }

    // The effect of a drop at a point: the offered effects that Dragtypes allows, chosen by
    // OnGetDropEffect or by the keys, with the scroll bit near a scrollable edge.
    virtual int GetDropEffect(cl::TShiftState shift, cl::TPoint point, int offered);
    // Reads the clipboard as a drop; the base gives the clipboard's "Preferred DropEffect"
    // (0 without one).
    virtual int PasteClipboard();

    // Drives the auto-scroll: enabled with a 100 ms interval while the pointer rests in the
    // scroll zone. Tests fire it directly.
    cl::TTimer& ScrollTimer() { return *scrollTimer_; }

    TDropTargetEvent OnEnter;
    TDropTargetEvent OnDragOver;
    TDropTargetEvent OnDrop;
    TDropTargetEvent OnGetDropEffect;
    cl::TNotifyEvent OnLeave;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseReference(); }
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

protected:
    virtual void DoTargetEnter(cl::TShiftState shift, cl::TPoint point, int& effect) { OnEnter(this, shift, point, effect); }
    virtual void DoTargetDragOver(cl::TShiftState shift, cl::TPoint point, int& effect) { OnDragOver(this, shift, point, effect); }
    virtual void DoDrop(cl::TShiftState shift, cl::TPoint point, int& effect) { OnDrop(this, shift, point, effect); }
    virtual void DoLeave() { OnLeave(this); }
    // Reads the held data object; true when it gave usable data.
    virtual bool ReadDroppedData() = 0;
    // Empties what ReadDroppedData read.
    virtual void DiscardData() = 0;
    // Whether the held data object offers data this target reads.
    virtual bool AcceptsData() = 0;
    // The data object of the drag in progress (null between drags).
    IDataObject* DataObject() const { return data_.Get(); }
    // The clipboard's "Preferred DropEffect", 0 without one.
    static int PreferredDropEffect(const dragdrop::TOpenClipboard& clipboard);

    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    // Revokes the registration of the attached control's window, if it still has one.
    bool Revoke();
    // Ends the drag in progress: data discarded and released, timer and drag image off.
    void EndDrag();
    cl::TPoint ToClient(POINTL screen);
    // The point relative to the control's window rectangle, as the drag image functions take it.
    POINT ToWindow(cl::TPoint client);
    void ShowDragImage(POINT hotSpot, cl::TPoint client);
    void HideDragImage();
    void AutoScroll(cl::TObject* sender);

    TDragTypes dragTypes_ = 0;
    bool getDataOnEnter_ = false;
    bool showImage_ = true;
    cl::TControl* control_ = nullptr;
    bool registered_ = false;

    dragdrop::TComPtr<IDataObject> data_;
    cl::TPoint lastPoint_;
    int scrollMargin_ = 0;
    unsigned scrollBars_ = 0;
    bool dragImageShown_ = false;
    std::unique_ptr<cl::TTimer> scrollTimer_;
    // One fully transparent 32 x 32 image: the cursor part of the drag image (OLE draws the
    // cursor itself).
    dragdrop::TImageListHandle cursorImage_;
};
