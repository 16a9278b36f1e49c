#pragma once
// Facts about program files: a loaded module's path and a file's fixed version information.

#include <windows.h>

#include <string>

namespace ut {

// Full path of the module's file (the program's own for nullptr), however long; "" on failure.
std::string ModuleFilePath(HMODULE module);

// Copies the fixed part of the file's version resource. False when the file has none.
bool ReadFixedVersionInfo(const std::string& fileName, VS_FIXEDFILEINFO& info);

}  // namespace ut
