#include "dragdrop/RegisterDragDrop.h"

#include "classlib/core/ClassInfo.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"

void RegisterDragDropClasses() {
    cl::TClassRegistry::Register(TDropFileSource::StaticClass());
    cl::TClassRegistry::Register(TDropFileTarget::StaticClass());
}
