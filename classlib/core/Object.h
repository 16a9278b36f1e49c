#pragma once
// The root of every class of the library: a virtual destructor and the class's run-time
// description, through which properties are found by name.

namespace cl {

class TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;
    virtual const TClassInfo& ClassInfo() const;
    static const TClassInfo& StaticClass();

    const char* ClassName() const;
    // True when this object is of the given class or one derived from it.
    bool InheritsFrom(const TClassInfo& classInfo) const;
};

}  // namespace cl

// Declares a class's run-time description inside its body; the .cpp defines StaticClass()
// with a TClassBuilder.
#define CL_CLASS_INFO()                                                        \
public:                                                                        \
    static const ::cl::TClassInfo& StaticClass();                              \
    const ::cl::TClassInfo& ClassInfo() const override { return StaticClass(); }
