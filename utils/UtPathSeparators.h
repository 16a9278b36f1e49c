#pragma once
// Trailing "\" handling for 8-bit paths. In a double-byte code page (Shift-JIS, Big5, ...) the
// byte 0x5C can be the second byte of a character, so "the last character is \" is decided by
// walking the string as the code page splits it, never by looking at the last byte alone.
// codePage 0 is the process's ANSI code page (CP_ACP).

#include <string>

namespace ut {

bool EndsWithBackslash(const std::string& path, unsigned codePage = 0);

// Appends "\" unless the path already ends with one; "" becomes "\".
std::string AddTrailingBackslash(const std::string& path, unsigned codePage = 0);

// Drops one final "\".
std::string RemoveTrailingBackslash(const std::string& path, unsigned codePage = 0);

// The path up to and including its last "\" or ":" ("" when it has neither).
std::string FolderPartOfPath(const std::string& path, unsigned codePage = 0);

}  // namespace ut
