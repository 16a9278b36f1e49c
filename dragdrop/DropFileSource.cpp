#include "dragdrop/DropFileSource.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TDropFileSource::StaticClass() {
    using S = TDropFileSource;
    static const auto info = cl::TClassBuilder<S>("TDropFileSource", TDropSource::StaticClass())
                                 .Creatable()
                                 .Strings("Files", &S::Files)
                                 .Strings("MappedNames", &S::MappedNames)
                                 .Build();
    return *info;
}
