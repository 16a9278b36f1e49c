#pragma once
// Texts of the string table that take one argument (the product title, a source's identity).

#include <cstddef>

// Writes string id formatted with argument, shortened to size; a text that does not take
// exactly one "%s" (an unusable language override) is written as it is. Returns the length.
size_t FormatMessageText(unsigned id, const char* argument, char* out, size_t size);
