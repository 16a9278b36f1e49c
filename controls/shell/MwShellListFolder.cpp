#include "controls/shell/MwShellListFolder.h"

#include "controls/shell/ShellErrors.h"

TMwShellListFolder::TMwShellListFolder(LPCITEMIDLIST absolutePidl) : idList_(mw::CopyPidl(nullptr, absolutePidl)) {
    mw::OleCheck(mw::BindToFolder(idList_.get(), folder_));
    details_ = mw::GetShellDetails(folder_.Get());
}
