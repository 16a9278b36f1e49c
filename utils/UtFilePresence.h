#pragma once
// Presence and size of a file (or anything else a path or mask names).

#include <cstdint>
#include <string>

namespace ut {

// Size of the first entry matching path or mask (a folder counts, with size 0), or -1 when
// nothing matches. Critical-error dialogs (a drive without a disc) are suppressed meanwhile.
int64_t FileSizeOrMinusOne(const std::string& pathOrMask);

bool FileIsPresent(const std::string& pathOrMask);

}  // namespace ut
