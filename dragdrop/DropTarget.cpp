#include "dragdrop/DropTarget.h"

#include "classlib/core/ClassBuilder.h"

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

TDropTarget::~TDropTarget() { DetachFromControl(); }

void TDropTarget::AttachToControl(cl::TControl* control) {
    if (control == control_) return;
    DetachFromControl();
    control_ = control;
    if (control) FreeNotification(control);
}

void TDropTarget::DetachFromControl() {
    if (control_) RemoveFreeNotification(control_);
    control_ = nullptr;
}

void TDropTarget::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == control_) control_ = nullptr;
}
