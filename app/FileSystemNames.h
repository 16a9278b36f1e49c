#pragma once
// How this system's file system sees the 8-bit names the program writes: converted from the
// ANSI code page, and compared by upper-casing each UTF-16 unit with the system's table (as
// CompareStringOrdinal does when told to ignore case).

#include "app/extraction/FileNameRules.h"

namespace quillon {

const TFileNameRules& FileSystemNameRules();

}  // namespace quillon
