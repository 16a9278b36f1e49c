#pragma once
// An object with published properties that a form resource can set.

#include <string>

#include "classlib/core/Object.h"
#include "classlib/core/Value.h"

namespace cl {

class TPersistent : public TObject {
    CL_CLASS_INFO()
public:
    // Called by the form reader for a property name the class's table does not list, so that a
    // class can read retired or unpublished names. Returns false when the name is unknown.
    virtual bool ReadExtraProperty(const std::string& name, const TValue& value) { return false; }
};

}  // namespace cl
