#include "dragdrop/DropFileTarget.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TDropFileTarget::StaticClass() {
    static const auto info = cl::TClassBuilder<TDropFileTarget>("TDropFileTarget", TDropTarget::StaticClass()).Creatable().Build();
    return *info;
}
