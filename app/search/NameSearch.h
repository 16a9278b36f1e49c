#pragma once
// Searching the entry list by name: which strings of the list contain a term. Archive entries
// and files added for the next build are searched alike, by their whole string.

#include <string>
#include <string_view>
#include <vector>

#include "classlib/core/StringList.h"

namespace quillon {

// True when text contains term, letters compared without case (A..Z and a..z only).
bool ContainsIgnoringCase(std::string_view text, std::string_view term);

// The indexes, in list order, of the strings that contain the term; the term is used as given
// (the caller trims it and refuses an empty one).
std::vector<int> FindNames(const cl::TStringList& entries, const std::string& term);

}  // namespace quillon
