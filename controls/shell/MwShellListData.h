#pragma once
// The record a shell list keeps for each item: its list relative to the shown folder, and the
// texts and lists made from it when first asked for.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "classlib/core/Object.h"
#include "controls/shell/MwShellListFolder.h"
#include "controls/shell/ShellPidl.h"

class TMwShellListData : public cl::TObject {
public:
    // Takes over the item's relative list; the folder must outlive the record.
    TMwShellListData(const TMwShellListFolder& owner, mw::TPidlPtr relIdList);
    TMwShellListData(const TMwShellListData&) = delete;
    TMwShellListData& operator=(const TMwShellListData&) = delete;

    const TMwShellListFolder& Owner() const { return owner_; }
    LPCITEMIDLIST RelIdList() const { return relIdList_.get(); }
    LPCITEMIDLIST AbsoluteIdList();

    // The SFGAO_ flags the list uses (file system, folder, file-system ancestor, link, share,
    // read-only, ghosted, copy, move, link, rename, delete). The read-only flag is not asked
    // for on removable drives, where finding it out would reach for the disk. 0 on failure.
    ULONG Attributes();
    bool IsFolder() { return (Attributes() & SFGAO_FOLDER) != 0; }
    bool CanRename() { return (Attributes() & SFGAO_CANRENAME) != 0; }
    // A shortcut file (".lnk", any case).
    bool IsLink();

    const std::string& DisplayName();
    std::string PathName();

    // Column 0 is the caption and has no text here. The folder's details give the others;
    // without them, 1 is the size, 2 the type and 3 the modified time.
    std::string ColumnText(int column);

    // Takes over the new relative list (after a rename) and forgets the rest.
    void SetRelIdList(mw::TPidlPtr relIdList);
    void ResetCache();

private:
    void ReadDetails();

    const TMwShellListFolder& owner_;
    mw::TPidlPtr relIdList_;
    mw::TPidlPtr absIdList_;
    std::string displayName_;
    std::string sizeText_;
    std::string typeText_;
    std::string modifiedText_;
    bool displayNameRead_ = false;
    bool detailsRead_ = false;
};
