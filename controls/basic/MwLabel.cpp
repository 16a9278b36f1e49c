#include "controls/basic/MwLabel.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwLabel::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwLabel>("TMwLabel", cl::TLabel::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &TMwLabel::About, &TMwLabel::SetAbout, mw::kAboutInfoNames)
                                 .Build();
    return *info;
}
