#pragma once
// The source side of an OLE drag: a data object over a list of formats that a derived class
// renders, and the drop source that decides when the drag drops or is cancelled. RunDrag runs
// one drag (DoDragDrop's modal loop, UI thread); ClipboardCut and ClipboardCopy put the same
// data on the clipboard.

#include <windows.h>
#include <ole2.h>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Event.h"
#include "dragdrop/Clipboard.h"
#include "dragdrop/DropEffects.h"
#include "dragdrop/FormatEtcList.h"
#include "dragdrop/InterfacedComponent.h"

namespace cl {
class TCustomImageList;
}

enum class TDragOutcome { Copied, Moved, Linked, Cancelled, OutOfMemory, Unknown };

// Sender, the drag type of the drop, and whether the drop may go on.
using TDropEvent = cl::TEvent<cl::TObject*, TDragType, bool&>;
// Sender, the effect the target reports, and whether OLE shows its default cursors.
using TFeedbackEvent = cl::TEvent<cl::TObject*, int, bool&>;

namespace dragdrop {
extern const cl::TEnumNames kDragTypeNames;

// How a drag ended, from DoDragDrop's result, the effect it returned and the allowed effects.
TDragOutcome DragOutcomeOf(HRESULT result, DWORD effect, DWORD allowed);
}  // namespace dragdrop

class TDropSource : public TInterfacedComponent, public IDataObject, public IDropSource {
    CL_CLASS_INFO()
public:
    explicit TDropSource(cl::TComponent* owner);

    TDragTypes Dragtypes() const { return dragTypes_; }
    void SetDragtypes(TDragTypes v) { dragTypes_ = v; }
    cl::TCustomImageList* Images() const { return images_; }
    // Outside loading also resets ImageIndex to 0 and shows the image when there is a list.
    void SetImages(cl::TCustomImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    bool ShowImage() const { return showImage_; }
    // Outside loading, an image shows only with an image list.
    void SetShowImage(bool v);
    int ImageHotSpotX() const { return imageHotSpotX_; }
    void SetImageHotSpotX(int v) { imageHotSpotX_ = v; }
    int ImageHotSpotY() const { return imageHotSpotY_; }
    void SetImageHotSpotY(int v) { imageHotSpotY_ = v; }

    // The last effect the target reported, or the one of the last clipboard operation; it is
    // what "Preferred DropEffect" carries.
    DWORD FeedbackEffect() const { return feedbackEffect_; }

    // Appends a format the data object offers; a 21st is ignored.
    void AddFormatEtc(CLIPFORMAT format, const DVTARGETDEVICE* targetDevice, DWORD aspect, LONG index, DWORD media);
    const dragdrop::TFormatEtcList& Formats() const { return formats_; }

    // Runs one drag with the allowed effects of Dragtypes and tells how it ended.
    TDragOutcome RunDrag();
    // Put the data on the clipboard with the preferred effect move or copy; false when there
    // is nothing to put or the clipboard cannot be had.
    bool ClipboardCut();
    bool ClipboardCopy();

    TDropEvent OnDrop;
    TFeedbackEvent OnFeedback;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseReference(); }
    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** enumerator) override;
    // IDropSource
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

protected:
    // Fills the medium for a requested format; the medium starts empty.
    virtual HRESULT RenderData(const FORMATETC& format, STGMEDIUM& medium) = 0;
    // Puts the main data on the open clipboard; false when there is none.
    virtual bool PutClipboardData(dragdrop::TOpenClipboard& clipboard) { return false; }
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    bool PutOnClipboard(DWORD effect);

    dragdrop::TFormatEtcList formats_;
    DWORD feedbackEffect_ = 0;
    TDragTypes dragTypes_ = dtCopy;
    cl::TCustomImageList* images_ = nullptr;
    int imageIndex_ = 0;
    bool showImage_ = false;
    int imageHotSpotX_ = 16;
    int imageHotSpotY_ = 16;
};
