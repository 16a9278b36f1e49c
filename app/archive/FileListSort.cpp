#include "app/archive/FileListSort.h"

#include "app/archive/CaseFold.h"

namespace quillon {

namespace {

constexpr size_t kPaddedWidth = 10;

}  // namespace

std::string FileListSortKey(std::string_view text, int sortColumn) {
    std::string key;
    if (sortColumn != 0 && text.size() < kPaddedWidth) key.assign(kPaddedWidth - text.size(), '0');
    key += text;
    return key;
}

int CompareFileListTexts(std::string_view text1, std::string_view text2, int sortColumn, int columnTag) {
    const std::string key1 = FileListSortKey(text1, sortColumn);
    const std::string key2 = FileListSortKey(text2, sortColumn);
    return columnTag != 0 ? CompareIgnoringCase(key1, key2) : CompareIgnoringCase(key2, key1);
}

}  // namespace quillon
