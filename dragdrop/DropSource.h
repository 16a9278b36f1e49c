#pragma once
// The source side of an OLE drag: the drag types it allows, an optional drag image and the
// events OLE raises while the drag runs.
//
// This class offers what the program uses so far: its published properties and events;
// RunDrag starts no drag yet and reports doUnknown.

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

namespace cl {
class TCustomImageList;
}

// A set of drag types, one bit each: dtCopy, dtMove, dtLink.
using TDragTypes = unsigned;
enum class TDragType { Copy, Move, Link };
constexpr TDragTypes dtCopy = 1, dtMove = 2, dtLink = 4;

enum class TDragOutcome { Copied, Moved, Linked, Cancelled, OutOfMemory, Unknown };

using TDropEvent = cl::TEvent<cl::TObject*, TDragType, bool&>;
using TFeedbackEvent = cl::TEvent<cl::TObject*, int, bool&>;

namespace dragdrop {
extern const cl::TEnumNames kDragTypeNames;
}

class TDropSource : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TDropSource(cl::TComponent* owner) : cl::TComponent(owner) {}

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

    // Runs one drag and tells how it ended.
    TDragOutcome RunDrag() { return TDragOutcome::Unknown; }

    TDropEvent OnDrop;
    TFeedbackEvent OnFeedback;

protected:
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    TDragTypes dragTypes_ = dtCopy;
    cl::TCustomImageList* images_ = nullptr;
    int imageIndex_ = 0;
    bool showImage_ = false;
    int imageHotSpotX_ = 16;
    int imageHotSpotY_ = 16;
};
