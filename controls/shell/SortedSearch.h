#pragma once
// The halving search of a sorted list that may hold equal entries.

#include <functional>

namespace mw {

// What adding an entry equal to one already in a sorted list does.
enum class TMwDuplicates { dupIgnore, dupAccept, dupError };

struct TSortedSearchResult {
    bool found;
    int index;  // an equal entry when found, else where the key goes
};

// compareWithKey(i) compares entry i with the key (negative, 0, positive). With dupAccept the
// list may hold equal entries: the search then goes on below an equal one, so that the index
// is the first of them and a new entry goes in front of them all.
TSortedSearchResult FindSorted(int count, const std::function<int(int index)>& compareWithKey, TMwDuplicates duplicates);

}  // namespace mw
