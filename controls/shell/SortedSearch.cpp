#include "controls/shell/SortedSearch.h"

namespace mw {

TSortedSearchResult FindSorted(int count, const std::function<int(int index)>& compareWithKey, TMwDuplicates duplicates) {
    bool found = false;
    int low = 0;
    int high = count - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const int order = compareWithKey(middle);
        if (order < 0) {
            low = middle + 1;
            continue;
        }
        high = middle - 1;
        if (order == 0) {
            found = true;
            if (duplicates != TMwDuplicates::dupAccept) low = middle;
        }
    }
    return {found, low};
}

}  // namespace mw
