#pragma once
// A drop target that takes dropped files (CF_HDROP): their paths are in Files while OnDrop
// runs, with the names a source mapped them to (optional, "FileNameMap" or "FileNameMapW") in
// MappedNames. Both lists are empty again once the drop is over.

#include "classlib/core/StringList.h"
#include "dragdrop/DropTarget.h"

class TDropFileTarget : public TDropTarget {
    CL_CLASS_INFO()
public:
    explicit TDropFileTarget(cl::TComponent* owner) : TDropTarget(owner) {}

    cl::TStringList* Files() { return &files_; }
    // One name per path, or none.
    cl::TStringList* MappedNames() { return &mappedNames_; }

    // Reads the files on the clipboard into Files: 0 when there are none, else the clipboard's
    // "Preferred DropEffect" (copy when it names none).
    int PasteClipboard() override;

protected:
    bool ReadDroppedData() override;
    void DiscardData() override;
    bool AcceptsData() override;

private:
    cl::TStringList files_;
    cl::TStringList mappedNames_;
};
