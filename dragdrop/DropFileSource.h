#pragma once
// A drop source whose data are files: the shell receives the list as dropped files.

#include "classlib/core/StringList.h"
#include "dragdrop/DropSource.h"

class TDropFileSource : public TDropSource {
    CL_CLASS_INFO()
public:
    explicit TDropFileSource(cl::TComponent* owner) : TDropSource(owner) {}

    // The full paths of the files the next drag carries.
    cl::TStringList* Files() { return &files_; }
    cl::TStringList* MappedNames() { return &mappedNames_; }

private:
    cl::TStringList files_;
    cl::TStringList mappedNames_;
};
