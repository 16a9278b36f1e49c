#pragma once
// What a shell list asks of the shell tree that drives it. The tree implements it and links
// itself to the list (TMwCustomShellList::SetShellTree); the list never needs the tree's class.

#include <windows.h>
#include <shlobj.h>

namespace cl {
class TComponent;
}

class TMwShellTreeLink {
public:
    // The tree as a component, so that the list hears when it is freed.
    virtual cl::TComponent* LinkComponent() = 0;
    // Moves the tree's selection up that many levels (never past its root).
    virtual void GoUp(int levels) = 0;
    // The user entered a folder in the list: the tree's SelectedFolder takes it.
    virtual void EnterFolder(LPCITEMIDLIST absolutePidl) = 0;
    // The list's folder was changed by its own locator: the tree selects it.
    virtual void SelectPidl(LPCITEMIDLIST absolutePidl) = 0;

protected:
    ~TMwShellTreeLink() = default;
};
