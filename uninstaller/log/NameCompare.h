// Case-insensitive comparison of paths, keys and names as the item store does it: every byte is
// upper-cased through the ANSI code page's table (set once from the system; ASCII until then).
#pragma once

#include <cstddef>

void SetUpperCaseTable(const unsigned char table[256]);
unsigned char UpperCaseOf(char c);

// <0, 0, >0 like lstrcmpi (ordinal on upper-cased bytes).
int CompareNoCase(const char* a, const char* b);
int CompareNoCaseN(const char* a, const char* b, std::size_t count);
bool EqualNoCase(const char* a, const char* b);
bool StartsWithNoCase(const char* text, const char* prefix);
