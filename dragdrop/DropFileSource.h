#pragma once
// A drop source whose data are files: the shell and other programs receive the paths as
// CF_HDROP, "Shell IDList Array", "FileNameMap" and "FileNameMapW", with "Preferred DropEffect".

#include "classlib/core/StringList.h"
#include "dragdrop/DropSource.h"

class TDropFileSource : public TDropSource {
    CL_CLASS_INFO()
public:
    explicit TDropFileSource(cl::TComponent* owner);

    // The full paths of the files the next drag carries.
    cl::TStringList* Files() { return &files_; }
    void SetFiles(const cl::TStrings* files) { files_.Assign(*files); }
    // Names the files should get at the target, one per path (optional).
    cl::TStringList* MappedNames() { return &mappedNames_; }
    void SetMappedNames(const cl::TStrings* names) { mappedNames_.Assign(*names); }

protected:
    HRESULT RenderData(const FORMATETC& format, STGMEDIUM& medium) override;
    bool PutClipboardData(dragdrop::TOpenClipboard& clipboard) override;

private:
    // The block of a format, or an error: DV_E_FORMATETC for a format not rendered,
    // E_OUTOFMEMORY when the shell cannot parse the files' folder.
    HRESULT RenderBytes(CLIPFORMAT format, dragdrop::TBytes& block);
    bool NamesAreMapped() const { return mappedNames_.Count() == files_.Count(); }

    cl::TStringList files_;
    cl::TStringList mappedNames_;
};
