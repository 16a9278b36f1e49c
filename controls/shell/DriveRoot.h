#pragma once
// The root of the drive a path lies on, as the directory watcher takes it.

#include <string>

namespace mw {

// "C:\" for "c:\x\y" (the letter as given), "\\server\share\" for a UNC path; "" for a path
// with neither (a relative path, or a UNC path without its share).
std::string DriveRootOf(const std::string& path);

}  // namespace mw
