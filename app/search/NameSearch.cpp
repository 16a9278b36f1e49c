#include "app/search/NameSearch.h"

#include <algorithm>

#include "app/archive/CaseFold.h"

namespace quillon {

bool ContainsIgnoringCase(std::string_view text, std::string_view term) {
    const auto at = std::search(text.begin(), text.end(), term.begin(), term.end(),
                                [](char a, char b) { return FoldCase(a) == FoldCase(b); });
    return at != text.end() || term.empty();
}

std::vector<int> FindNames(const cl::TStringList& entries, const std::string& term) {
    std::vector<int> found;
    for (int i = 0; i < entries.Count(); ++i)
        if (ContainsIgnoringCase(entries[i], term)) found.push_back(i);
    return found;
}

}  // namespace quillon
