#pragma once
// Texts between the program's ANSI strings, the engine's file names (UTF-8) and the system's
// UTF-16, converted exactly or not at all.

#include <string>

// False when text is no valid UTF-8.
bool WideFromUtf8(const std::string& text, std::wstring* wide);
// False when wide holds a half of a surrogate pair alone (a name UTF-8 cannot carry).
bool Utf8FromWide(const std::wstring& wide, std::string* text);
// The ANSI text in UTF-16; false when it has no exact form there: a byte of no meaning in the
// code page, or a text that would not come back the same.
bool WideFromAnsiExact(const char* ansi, std::wstring* wide);
// The ANSI form of wide; false when a character has none (nothing is mapped to a look-alike).
bool AnsiFromWideExact(const std::wstring& wide, std::string* ansi);

// The form that names a full path exactly to the file functions: "X:\..." becomes
// "\\?\X:\...", "\\server\share\..." becomes "\\?\UNC\server\share\..." (nothing dropped from
// a name, no length limit); any other path is left as it is.
std::wstring ExactPathName(const std::wstring& path);
// The other way: without "\\?\" (and "\\?\UNC\" back to "\\").
std::wstring WithoutExactPrefix(const std::wstring& path);
// The full path of path (GetFullPathName); empty when it has none.
std::wstring FullPathName(const std::wstring& path);
// Equal without regard to case, as the file system compares names.
bool SamePathName(const std::wstring& a, const std::wstring& b);
