#include "dragdrop/DropSource.h"

#include <commctrl.h>

#include <optional>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/ImageList.h"
#include "dragdrop/EnumFormatEtc.h"
#include "dragdrop/OleSession.h"

const cl::TEnumNames dragdrop::kDragTypeNames{{{"dtCopy", 0}, {"dtMove", 1}, {"dtLink", 2}}};

const cl::TClassInfo& TDropSource::StaticClass() {
    using S = TDropSource;
    static const auto info = cl::TClassBuilder<S>("TDropSource", cl::TComponent::StaticClass())
                                 .Set("Dragtypes", &S::Dragtypes, &S::SetDragtypes, dragdrop::kDragTypeNames)
                                 .Ref<cl::TCustomImageList>("Images", &S::Images, &S::SetImages)
                                 .Int("ImageIndex", &S::ImageIndex, &S::SetImageIndex)
                                 .Bool("ShowImage", &S::ShowImage, &S::SetShowImage)
                                 .Int("ImageHotSpotX", &S::ImageHotSpotX, &S::SetImageHotSpotX)
                                 .Int("ImageHotSpotY", &S::ImageHotSpotY, &S::SetImageHotSpotY)
                                 .Event("OnDrop", &S::OnDrop)
                                 .Event("OnFeedback", &S::OnFeedback)
                                 .Build();
    return *info;
}

TDragOutcome dragdrop::DragOutcomeOf(HRESULT result, DWORD effect, DWORD allowed) {
    if (result == E_OUTOFMEMORY) return TDragOutcome::OutOfMemory;
    if (result == DRAGDROP_S_CANCEL) return TDragOutcome::Cancelled;
    if (result != DRAGDROP_S_DROP) return TDragOutcome::Unknown;
    TDragType type;
    if (!DragTypeOfEffect(effect & allowed, type)) return TDragOutcome::Cancelled;
    switch (type) {
        case TDragType::Copy: return TDragOutcome::Copied;
        case TDragType::Move: return TDragOutcome::Moved;
        case TDragType::Link: return TDragOutcome::Linked;
    }
    return TDragOutcome::Unknown;
}

TDropSource::TDropSource(cl::TComponent* owner) : TInterfacedComponent(owner) { dragdrop::EnsureOleInitialized(); }

// ---- properties ----

void TDropSource::SetImages(cl::TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
    if (IsLoading()) return;
    imageIndex_ = 0;
    showImage_ = images != nullptr;
}

void TDropSource::SetImageIndex(int v) {
    if (IsLoading()) {
        imageIndex_ = v;
        return;
    }
    if (!images_ || images_->Count() == 0 || v < 0) {
        imageIndex_ = 0;
        showImage_ = false;
        return;
    }
    if (v < images_->Count()) imageIndex_ = v;
}

void TDropSource::SetShowImage(bool v) { showImage_ = v && (images_ || IsLoading()); }

void TDropSource::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == images_) {
        images_ = nullptr;
        imageIndex_ = 0;
        showImage_ = false;
    }
}

void TDropSource::AddFormatEtc(CLIPFORMAT format, const DVTARGETDEVICE* targetDevice, DWORD aspect, LONG index, DWORD media) {
    formats_.Add(format, targetDevice, aspect, index, media);
}

// ---- drag ----

namespace {

// The drag image of one drag, ended when the drag ends however it ends.
class TDragImage {
public:
    TDragImage(HIMAGELIST images, int index, int hotSpotX, int hotSpotY)
        : started_(ImageList_BeginDrag(images, index, hotSpotX, hotSpotY) != FALSE) {}
    ~TDragImage() {
        if (started_) ImageList_EndDrag();
    }
    TDragImage(const TDragImage&) = delete;
    TDragImage& operator=(const TDragImage&) = delete;

private:
    bool started_;
};

}  // namespace

TDragOutcome TDropSource::RunDrag() {
    const DWORD allowed = dragdrop::EffectsOf(dragTypes_);
    // An effect left from an earlier drag or clipboard operation must not make this drag drop
    // before any target has answered.
    feedbackEffect_ = DROPEFFECT_NONE;
    std::optional<TDragImage> image;
    if (showImage_ && images_) image.emplace(images_->Handle(), imageIndex_, imageHotSpotX_, imageHotSpotY_);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(this, this, allowed, &effect);
    return dragdrop::DragOutcomeOf(result, effect, allowed);
}

HRESULT STDMETHODCALLTYPE TDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    try {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        if (keyState & (MK_LBUTTON | MK_RBUTTON)) return S_OK;
        TDragType type;
        bool drop = dragdrop::DragTypeOfEffect(feedbackEffect_, type) && (dragTypes_ & (1u << static_cast<int>(type)));
        if (drop) OnDrop(this, type, drop);
        return drop ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return DRAGDROP_S_CANCEL;
    }
}

HRESULT STDMETHODCALLTYPE TDropSource::GiveFeedback(DWORD effect) {
    try {
        feedbackEffect_ = effect;
        bool useDefaultCursors = true;
        OnFeedback(this, static_cast<int>(effect), useDefaultCursors);
        return useDefaultCursors ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
}

// ---- clipboard ----

bool TDropSource::ClipboardCut() { return PutOnClipboard(DROPEFFECT_MOVE); }

bool TDropSource::ClipboardCopy() { return PutOnClipboard(DROPEFFECT_COPY); }

bool TDropSource::PutOnClipboard(DWORD effect) {
    dragdrop::TOpenClipboard clipboard;
    if (!clipboard.IsOpen() || !PutClipboardData(clipboard)) return false;
    feedbackEffect_ = effect;
    const CLIPFORMAT format = dragdrop::ClipboardFormats().preferredDropEffect;
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(RenderData(request, medium))) return false;
    return clipboard.Put(format, medium.hGlobal);
}

// ---- IDataObject ----

HRESULT STDMETHODCALLTYPE TDropSource::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject) *object = static_cast<IDataObject*>(this);
    else if (iid == IID_IDropSource) *object = static_cast<IDropSource*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddReference();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TDropSource::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium) return E_INVALIDARG;
    try {
        *medium = STGMEDIUM{};
        return RenderData(*format, *medium);
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        ReleaseStgMedium(medium);
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE TDropSource::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE TDropSource::QueryGetData(FORMATETC* format) {
    if (!format) return E_INVALIDARG;
    return formats_.Offers(*format) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE TDropSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) {
    if (canonical) canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE TDropSource::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE TDropSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    if (direction == DATADIR_SET) return E_NOTIMPL;
    if (direction != DATADIR_GET) return E_INVALIDARG;
    *enumerator = dragdrop::TEnumFormatEtc::Create(formats_);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE TDropSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT STDMETHODCALLTYPE TDropSource::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT STDMETHODCALLTYPE TDropSource::EnumDAdvise(IEnumSTATDATA** enumerator) {
    if (enumerator) *enumerator = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}
