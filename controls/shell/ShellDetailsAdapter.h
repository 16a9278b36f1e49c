#pragma once
// The column details of a folder as IShellDetails, which the shell list reads its columns from.
// Folders that speak IShellFolder2 are adapted so that only their columns shown by default
// are offered.

#include <windows.h>
#include <shlobj.h>

#include "dragdrop/ComPtr.h"

using TShellDetailsPtr = dragdrop::TComPtr<IShellDetails>;

class TShellFolder2ToShellDetailsAdapter final : public IShellDetails {
public:
    // Made with one reference, which the caller takes over.
    static TShellDetailsPtr Create(IShellFolder2* folder);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // A column the folder does not show by default answers E_INVALIDARG, which ends the list's
    // column discovery; the others, and columns whose state cannot be had, go to the folder.
    HRESULT STDMETHODCALLTYPE GetDetailsOf(PCUITEMID_CHILD pidl, UINT column, SHELLDETAILS* details) override;
    HRESULT STDMETHODCALLTYPE ColumnClick(UINT column) override;

private:
    explicit TShellFolder2ToShellDetailsAdapter(IShellFolder2* folder);
    ~TShellFolder2ToShellDetailsAdapter() = default;

    dragdrop::TComPtr<IShellFolder2> folder_;
    volatile LONG references_ = 1;
};

namespace mw {

// The folder's details: an adapter over IShellFolder2 when it answers for column 0, else the
// folder's own IShellDetails, else the one its CreateViewObject gives; empty when none.
TShellDetailsPtr GetShellDetails(IShellFolder* folder);

}  // namespace mw
