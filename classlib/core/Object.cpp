#include "classlib/core/Object.h"

#include "classlib/core/ClassInfo.h"

namespace cl {

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClass(); }

const char* TObject::ClassName() const { return ClassInfo().Name().c_str(); }

bool TObject::InheritsFrom(const TClassInfo& classInfo) const { return ClassInfo().InheritsFrom(classInfo); }

}  // namespace cl
