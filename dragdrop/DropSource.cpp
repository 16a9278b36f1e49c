#include "dragdrop/DropSource.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/ImageList.h"

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
