#include "controls/basic/MwRichEdit.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwRichEdit::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwRichEdit>("TMwRichEdit", cl::TRichEdit::StaticClass()).Creatable().Build();
    return *info;
}
