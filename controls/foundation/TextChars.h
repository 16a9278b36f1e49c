#pragma once
// Small character helpers on texts.

#include <string>

namespace mw {

// The last character, or '\0' for an empty text.
char LastChar(const std::string& text);
int CountChar(char character, const std::string& text);
// From position start (1-based) up to and including the n-th occurrence of character counted
// from there; the rest of the text when there are fewer.
std::string CopyUpToNthChar(const std::string& text, int start, char character, int n);

}  // namespace mw
