#pragma once
// The shell's context menu for items of a folder: building it into a popup menu, finding a
// verb's command offset by name and running a command through the shell.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "classlib/win/Handles.h"
#include "dragdrop/ComPtr.h"

namespace mw {

using TContextMenuPtr = dragdrop::TComPtr<IContextMenu>;

// The result InvokeVerb gives for a verb name the menu does not offer (nothing was run).
constexpr HRESULT kVerbNotOffered = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);

// The folder's context menu for count items (PIDLs relative to it), filled into a new popup
// menu with ids from firstId up to kLastShellCommand and the CMF_ flags. Gives the folder's
// failure when it has no context menu for the items (nothing held then); raises EMwOleError
// when the menu cannot be filled.
HRESULT GetContextMenu(HWND window, IShellFolder* folder, UINT count, LPCITEMIDLIST* pidls,
                       TContextMenuPtr& contextMenu, cl::TMenuHandle& menu, UINT flags, UINT firstId);

// The command offset of the verb (compared without regard to case), -1 when the menu does not
// offer it.
int FindVerbOffset(IContextMenu* contextMenu, const std::string& verb);

// Runs the command at that offset, shown normally, with the window as owner of any UI.
HRESULT InvokeVerb(HWND window, IContextMenu* contextMenu, UINT offset);
// Runs the verb by name; kVerbNotOffered (and nothing run) when the menu does not offer it.
HRESULT InvokeVerb(HWND window, IContextMenu* contextMenu, const std::string& verb);

// The command's help text, "" when the shell gives none.
std::string CommandHelpText(IContextMenu* contextMenu, UINT offset);

}  // namespace mw
