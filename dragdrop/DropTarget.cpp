#include "dragdrop/DropTarget.h"

#include <cstdlib>
#include <cstring>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Timer.h"
#include "dragdrop/DropSource.h"
#include "dragdrop/OleSession.h"

const cl::TClassInfo& TDropTarget::StaticClass() {
    using T = TDropTarget;
    static const auto info = cl::TClassBuilder<T>("TDropTarget", cl::TComponent::StaticClass())
                                 .Set("Dragtypes", &T::Dragtypes, &T::SetDragtypes, dragdrop::kDragTypeNames)
                                 .Bool("GetDataOnEnter", &T::GetDataOnEnter, &T::SetGetDataOnEnter)
                                 .Bool("ShowImage", &T::ShowImage, &T::SetShowImage)
                                 .Event("OnEnter", &T::OnEnter)
                                 .Event("OnDragOver", &T::OnDragOver)
                                 .Event("OnDrop", &T::OnDrop)
                                 .Event("OnGetDropEffect", &T::OnGetDropEffect)
                                 .Event("OnLeave", &T::OnLeave)
                                 .Build();
    return *info;
}

TDropTarget::TDropTarget(cl::TComponent* owner) : TInterfacedComponent(owner), scrollTimer_(std::make_unique<cl::TTimer>(nullptr)) {
    dragdrop::EnsureOleInitialized();
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(100);
    scrollTimer_->SetOnTimer(cl::TNotifyEvent(this, &TDropTarget::AutoScroll));
}

TDropTarget::~TDropTarget() {
    scrollTimer_.reset();
    cursorImage_.Reset();
    data_.Reset();
    // A destructor cannot report a refused revocation; the window is going anyway.
    Revoke();
}

void TDropTarget::SetShowImage(bool v) {
    showImage_ = v;
    if (dragImageShown_) ImageList_DragShowNolock(v);
}

// ---- registration ----

void TDropTarget::AttachToControl(cl::TControl* control) {
    if (control == control_) return;
    DetachFromControl();
    if (!control) return;
    if (FAILED(RegisterDragDrop(control->Handle(), this))) throw cl::Exception("Failed to Register " + control->Name());
    control_ = control;
    FreeNotification(control);
    registered_ = true;
}

void TDropTarget::DetachFromControl() {
    EndDrag();
    cl::TControl* control = control_;
    if (!control) return;
    const bool revoked = Revoke();
    RemoveFreeNotification(control);
    control_ = nullptr;
    if (!revoked) throw cl::Exception("Failed to Unregister " + control->Name());
}

bool TDropTarget::Revoke() {
    const bool wasRegistered = std::exchange(registered_, false);
    if (!wasRegistered || !control_ || !control_->HandleAllocated()) return true;
    return SUCCEEDED(RevokeDragDrop(control_->Handle()));
}

void TDropTarget::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation != cl::TOperation::Remove || component != control_) return;
    // The control's window is gone already, and its registration with it.
    EndDrag();
    control_ = nullptr;
    registered_ = false;
}

// ---- IDropTarget ----

HRESULT STDMETHODCALLTYPE TDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddReference();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE TDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    try {
        EndDrag();
        if (!control_ || !data) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        data_ = dragdrop::TComPtr<IDataObject>::Share(data);
        lastPoint_ = ToClient(point);
        if (showImage_) {
            POINT hotSpot{};
            if (ImageList_GetDragImage(nullptr, &hotSpot)) ShowDragImage(hotSpot, lastPoint_);
        }
        if (!AcceptsData()) {
            data_.Reset();
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        const LONG style = GetWindowLongA(control_->Handle(), GWL_STYLE);
        scrollBars_ = ((style & WS_HSCROLL) ? dragdrop::kHorizontalScrollBar : 0) |
                      ((style & WS_VSCROLL) ? dragdrop::kVerticalScrollBar : 0);
        scrollMargin_ = std::abs(control_->Font()->Height());
        if (getDataOnEnter_) ReadDroppedData();
        const cl::TShiftState shift = cl::ShiftStateFromKeys(keyState);
        int chosen = GetDropEffect(shift, lastPoint_, static_cast<int>(*effect));
        DoTargetEnter(shift, lastPoint_, chosen);
        *effect = static_cast<DWORD>(chosen);
        return S_OK;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        EndDrag();
        *effect = DROPEFFECT_NONE;
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE TDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    try {
        if (!control_) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        const cl::TPoint client = ToClient(point);
        if (data_) {
            const cl::TShiftState shift = cl::ShiftStateFromKeys(keyState);
            int chosen = GetDropEffect(shift, client, static_cast<int>(*effect));
            DoTargetDragOver(shift, client, chosen);
            *effect = static_cast<DWORD>(chosen);
            scrollTimer_->SetEnabled(scrollBars_ != 0 && (*effect & dragdrop::kEffectScroll) != 0);
        } else {
            *effect = DROPEFFECT_NONE;
            scrollTimer_->SetEnabled(false);
        }
        const bool moved = !(client == lastPoint_);
        lastPoint_ = client;
        if (dragImageShown_ && moved && !scrollTimer_->Enabled()) {
            const POINT at = ToWindow(client);
            ImageList_DragMove(at.x, at.y);
        }
        return S_OK;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        EndDrag();
        *effect = DROPEFFECT_NONE;
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE TDropTarget::DragLeave() {
    try {
        EndDrag();
        DoLeave();
        return S_OK;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE TDropTarget::Drop(IDataObject*, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    try {
        if (!data_ || !control_) {
            EndDrag();
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        scrollTimer_->SetEnabled(false);
        HideDragImage();
        lastPoint_ = ToClient(point);
        const cl::TShiftState shift = cl::ShiftStateFromKeys(keyState);
        int chosen = GetDropEffect(shift, lastPoint_, static_cast<int>(*effect));
        if (getDataOnEnter_ || ReadDroppedData()) DoDrop(shift, lastPoint_, chosen);
        else chosen = DROPEFFECT_NONE;
        *effect = static_cast<DWORD>(chosen);
        EndDrag();
        return S_OK;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        EndDrag();
        *effect = DROPEFFECT_NONE;
        return E_UNEXPECTED;
    }
}

// ---- effects ----

int TDropTarget::GetDropEffect(cl::TShiftState shift, cl::TPoint point, int offered) {
    const uint32_t allowed = dragdrop::MaskEffects(dragTypes_, static_cast<uint32_t>(offered));
    if (OnGetDropEffect) {
        int effect = static_cast<int>(allowed);
        OnGetDropEffect(this, shift, point, effect);
        return effect;
    }
    uint32_t effect = dragdrop::ChooseEffect(allowed, (shift & cl::ssShift) != 0, (shift & cl::ssCtrl) != 0);
    if (scrollBars_ != 0 && control_ &&
        dragdrop::ScrollStepAt(scrollBars_, point.x, point.y, control_->ClientWidth(), control_->ClientHeight(), scrollMargin_).Any())
        effect |= dragdrop::kEffectScroll;
    return static_cast<int>(effect);
}

int TDropTarget::PreferredDropEffect(const dragdrop::TOpenClipboard& clipboard) {
    const auto block = clipboard.Get(dragdrop::ClipboardFormats().preferredDropEffect);
    if (!block || block->size() < sizeof(DWORD)) return 0;
    DWORD effect;
    std::memcpy(&effect, block->data(), sizeof effect);
    return static_cast<int>(effect);
}

int TDropTarget::PasteClipboard() {
    dragdrop::TOpenClipboard clipboard;
    return PreferredDropEffect(clipboard);
}

// ---- drag in progress ----

void TDropTarget::EndDrag() {
    scrollTimer_->SetEnabled(false);
    HideDragImage();
    scrollBars_ = 0;
    if (!data_) return;
    DiscardData();
    data_.Reset();
}

cl::TPoint TDropTarget::ToClient(POINTL screen) { return control_->ScreenToClient({screen.x, screen.y}); }

POINT TDropTarget::ToWindow(cl::TPoint client) {
    const cl::TPoint screen = control_->ClientToScreen(client);
    RECT window{};
    GetWindowRect(control_->Handle(), &window);
    return {screen.x - window.left, screen.y - window.top};
}

namespace {

// One 32 x 32 image in the window colour, added masked by that colour: fully transparent.
HIMAGELIST MakeTransparentImage() {
    constexpr int kSize = 32;
    HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (!images) return nullptr;
    cl::TBitmapHandle bitmap;
    HDC dc = nullptr;
    {
        const cl::TScreenDC screen;
        bitmap.Reset(CreateCompatibleBitmap(screen.Handle(), kSize, kSize));
        dc = CreateCompatibleDC(screen.Handle());
    }
    if (dc && bitmap) {
        cl::TSelectObject select(dc, bitmap.Get());
        const RECT all{0, 0, kSize, kSize};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    }
    if (dc) DeleteDC(dc);
    if (bitmap) ImageList_AddMasked(images, bitmap.Get(), GetSysColor(COLOR_WINDOW));
    return images;
}

}  // namespace

void TDropTarget::ShowDragImage(POINT hotSpot, cl::TPoint client) {
    if (!cursorImage_) cursorImage_.Reset(MakeTransparentImage());
    ImageList_SetDragCursorImage(cursorImage_.Get(), 0, hotSpot.x, hotSpot.y);
    const POINT at = ToWindow(client);
    dragImageShown_ = ImageList_DragEnter(control_->Handle(), at.x, at.y) != FALSE;
}

void TDropTarget::HideDragImage() {
    if (!dragImageShown_) return;
    dragImageShown_ = false;
    if (control_) ImageList_DragLeave(control_->Handle());
}

void TDropTarget::AutoScroll(cl::TObject*) {
    if (!control_ || !data_) {
        scrollTimer_->SetEnabled(false);
        return;
    }
    const bool image = dragImageShown_;
    if (image) ImageList_DragLeave(control_->Handle());
    const dragdrop::TScrollStep step = dragdrop::ScrollStepAt(scrollBars_, lastPoint_.x, lastPoint_.y, control_->ClientWidth(),
                                                              control_->ClientHeight(), scrollMargin_);
    if (step.vertical) control_->Perform(WM_VSCROLL, step.vertical < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    if (step.horizontal) control_->Perform(WM_HSCROLL, step.horizontal < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
    if (image) {
        const POINT at = ToWindow(lastPoint_);
        ImageList_DragEnter(control_->Handle(), at.x, at.y);
    }
}
