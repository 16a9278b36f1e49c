#pragma once
// A drop target that takes dropped files: their paths are in Files while OnDrop runs.

#include "classlib/core/StringList.h"
#include "dragdrop/DropTarget.h"

class TDropFileTarget : public TDropTarget {
    CL_CLASS_INFO()
public:
    explicit TDropFileTarget(cl::TComponent* owner) : TDropTarget(owner) {}

    cl::TStringList* Files() { return &files_; }
    cl::TStringList* MappedNames() { return &mappedNames_; }

private:
    cl::TStringList files_;
    cl::TStringList mappedNames_;
};
