#pragma once
// The detail texts of a shell item when its folder offers none: size, type and modified time.

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>

namespace mw {

// Whole kilobytes rounded up, with the locale's thousands separator: "1,024KB".
std::string FormatSizeKB(uint64_t size);

// The locale's short date, a blank and its short time; "" for a zero time.
std::string FormatFileTime(const FILETIME& time);

struct TItemDetails {
    std::string sizeText;      // files only
    std::string modifiedText;  // last write, or creation when that is unset
    std::string typeText;
};

// Looks the item's path up (critical-error boxes off) for its size and times; attributes are
// the item's SFGAO_ flags, which tell file-system items from "System Folder"s.
TItemDetails ReadItemDetails(LPCITEMIDLIST absolutePidl, ULONG attributes);

}  // namespace mw
