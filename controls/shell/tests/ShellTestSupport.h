#pragma once
// Helpers of the shell tests: start-up of the shell units for the whole test program, and
// item-ID lists made from paths, names and bytes.

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellPidl.h"

namespace test {

// The desktop's parse of the path; empty when it fails.
mw::TPidlPtr PidlOfPath(const std::string& path);
// The folder's parse of a name inside it; empty when it fails.
mw::TPidlPtr ParseIn(IShellFolder* folder, const std::string& name);
mw::TPidlPtr PidlOfBytes(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> BytesOf(LPCITEMIDLIST pidl);
void WriteFileOfSize(const std::string& path, size_t size);

}  // namespace test
