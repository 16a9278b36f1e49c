#pragma once
// The folder a shell list shows, as its items need it: the folder's absolute list, its shell
// folder and its column details.

#include <windows.h>
#include <shlobj.h>

#include "classlib/core/Object.h"
#include "controls/shell/ShellDetailsAdapter.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellPidl.h"

class TMwShellListFolder : public cl::TObject {
public:
    // Binds the folder of a copy of the absolute list (nullptr or empty: the desktop); raises
    // EMwOleError when it cannot be bound.
    explicit TMwShellListFolder(LPCITEMIDLIST absolutePidl);
    TMwShellListFolder(const TMwShellListFolder&) = delete;
    TMwShellListFolder& operator=(const TMwShellListFolder&) = delete;

    LPCITEMIDLIST IdList() const { return idList_.get(); }
    IShellFolder* Folder() const { return folder_.Get(); }
    // Empty when the folder offers no column details.
    IShellDetails* Details() const { return details_.Get(); }

private:
    mw::TPidlPtr idList_;
    mw::TShellFolderPtr folder_;
    TShellDetailsPtr details_;
};
