#pragma once
// The shell's name record (STRRET) as ANSI text.

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace mw {

// Reads the record by its type: a wide string (converted, then freed with CoTaskMemFree), an
// offset into the item's bytes, or an inline ANSI string. An offset beyond the item, or an
// unknown type, gives "".
std::string StrRetToString(STRRET& name, LPCITEMIDLIST item);

}  // namespace mw
