#pragma once
// The sort order of the file list. Column 0 ("Name") compares captions; the other columns
// compare their sub-item texts left-padded with "0" to 10 characters, so that sizes and
// offsets of up to 10 digits sort as numbers ("9" before "10"). Comparison is
// case-insensitive (CaseFold.h). An item without sub-items (a file added for the next build)
// takes an empty text, which pads to "0000000000".

#include <string>
#include <string_view>

namespace quillon {

// The text a column sorts by.
std::string FileListSortKey(std::string_view text, int sortColumn);

// Compares the sort-column texts of two items: negative, zero or positive. A non-zero column
// tag sorts ascending (item 1 against item 2), tag 0 descending; a click on a column toggles
// its tag, so the first click sorts ascending and the next descending.
int CompareFileListTexts(std::string_view text1, std::string_view text2, int sortColumn, int columnTag);

}  // namespace quillon
