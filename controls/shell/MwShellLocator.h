#pragma once
// The folder a shell control starts from: an item-ID list, or one of the system's special
// folders (resolved when first asked for). The desktop is the locator with no list. Form
// resources store it as the unpublished binary property "Pidl".

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>

#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"
#include "classlib/core/Stream.h"
#include "controls/shell/LocatorStream.h"
#include "controls/shell/ShellPidl.h"

using mw::TMwLocatorKind;

class TMwShellLocator : public cl::TPersistent {
    CL_CLASS_INFO()
public:
    TMwShellLocator() = default;
    TMwShellLocator(const TMwShellLocator&) = delete;
    TMwShellLocator& operator=(const TMwShellLocator&) = delete;

    // Takes the other's location (a copy of its list, or its special folder) and fires
    // OnChange, unless it is the same location already. nullptr stands for the desktop.
    void Assign(const TMwShellLocator* source);
    // Same kind and same list (the shell's comparison; one that fails is not the same) or
    // same special folder.
    bool IsSameLocation(const TMwShellLocator& other) const;

    TMwLocatorKind Kind() const { return kind_; }
    // The special-folder id; kNoSpecialFolder while a list is held.
    uint8_t FolderId() const { return folderId_; }
    // The list, for a special folder located now unless already done (nullptr when that
    // fails). Owned by the locator.
    LPCITEMIDLIST GetIdList();
    // Holds a copy of the list (the empty list, the desktop, is held as none) and fires
    // OnChange when the location changed.
    void SetIdList(LPCITEMIDLIST pidl);
    void ClearIdList() { SetIdList(nullptr); }
    // The file-system path; "" for folders outside the file system.
    std::string PathName();

    cl::TNotifyEvent OnChange;

    // "Pidl": stored only when a list is held or a special folder is named.
    bool StoresPidl() const;
    void WritePidl(cl::TStream& stream) const;
    // Checks the whole record before it changes anything; fires no OnChange.
    void ReadPidl(cl::TStream& stream);
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

private:
    void Changed() { OnChange(this); }

    TMwLocatorKind kind_ = TMwLocatorKind::lkIdList;
    mw::TPidlPtr idList_;
    uint8_t folderId_ = mw::kNoSpecialFolder;
};
