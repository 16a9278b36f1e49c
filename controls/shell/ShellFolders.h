#pragma once
// Between paths, PIDLs and shell folders: binding, parsing, file-system paths and the
// system's special folders.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "controls/shell/ShellPidl.h"
#include "dragdrop/ComPtr.h"

namespace mw {

using TShellFolderPtr = dragdrop::TComPtr<IShellFolder>;

// The special-folder id FindSpecialFolder gives when the PIDL is none of them.
constexpr int kNotASpecialFolder = 50;

TShellFolderPtr DesktopFolder();  // empty when the shell cannot give it

// The folder of an absolute PIDL; missing or empty gives the desktop itself.
HRESULT BindToFolder(LPCITEMIDLIST pidl, TShellFolderPtr& folder);
// The desktop's parse of a path (no window, no attributes).
HRESULT PathToPidl(const std::string& path, TPidlPtr& pidl);
// The file-system path of an absolute PIDL (nullptr: the desktop); "" when it has none.
std::string PidlToPath(LPCITEMIDLIST pidl);
// The special folder's PIDL; the id is masked to its low 7 bits (the flag bits go).
HRESULT SpecialFolderLocation(HWND window, int folderId, TPidlPtr& pidl);
// The special folder's file-system path; "" when it has none.
std::string SpecialFolderPath(HWND window, int folderId);
// The first special-folder id (0 upwards) whose location equals the PIDL, else
// kNotASpecialFolder.
int FindSpecialFolder(LPCITEMIDLIST pidl);

}  // namespace mw
