#pragma once
// A read-only view of one absolute PIDL as an array of items.

#include <windows.h>
#include <shlobj.h>

#include "classlib/core/Object.h"
#include "controls/shell/ShellPidl.h"

class TMwIdListArray : public cl::TObject {
public:
    // The PIDL is viewed, not copied; it must outlive the view.
    explicit TMwIdListArray(LPCITEMIDLIST pidl) : pidl_(pidl) {}

    LPCITEMIDLIST Pidl() const { return pidl_; }
    // The number of items; 0 for a missing or empty list.
    int Count() const;

    // The results below belong to the view and stay valid until its next such call (or its
    // end): a caller uses or copies one before asking for the next.

    // The ancestor levels up: a copy of the first Count - levels items (levels = Count gives
    // the desktop's empty list); nullptr for a missing list or levels out of 0..Count.
    LPCITEMIDLIST ParentPidl(int levels);
    // Item index (from 0) alone as a one-item list; nullptr when there is no such item. The
    // empty list's item 0 is the empty list itself.
    LPCITEMIDLIST Item(int index);

private:
    LPCITEMIDLIST Keep(mw::TPidlPtr pidl);

    LPCITEMIDLIST pidl_;
    mw::TPidlPtr lastItem_;
};
