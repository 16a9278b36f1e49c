#include "controls/shell/MwShellTree.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwShellTree::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwShellTree>("TMwShellTree", TMwCustomShellTree::StaticClass()).Creatable().Build();
    return *info;
}
