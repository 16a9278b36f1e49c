#include "controls/shell/ShellListColumns.h"

#include <algorithm>

namespace mw {

namespace {

const std::vector<uint8_t> kDefaultDirectoryCols = {200, 0, 60, 0, 100, 0, 120, 0, 50, 0};

std::vector<uint8_t> Effective(const std::vector<uint8_t>& value) {
    if (value.empty()) return kDefaultDirectoryCols;
    return std::vector<uint8_t>(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(std::min(value.size(), kDirectoryColsMaxBytes)));
}

}  // namespace

std::vector<int> DirectoryColsWidths(const std::vector<uint8_t>& value) {
    std::vector<uint8_t> bytes(kDirectoryColsMaxBytes, 0);
    std::copy(kDefaultDirectoryCols.begin(), kDefaultDirectoryCols.end(), bytes.begin());
    const std::vector<uint8_t> read = Effective(value);
    std::copy(read.begin(), read.end(), bytes.begin());
    std::vector<int> widths;
    for (size_t i = 0; i < 4; ++i) widths.push_back(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return widths;
}

std::vector<int> TColumnWidthMemory::OwnColumnWidths(const std::vector<uint8_t>& value) {
    const std::vector<uint8_t> bytes = Effective(value);
    const bool same = read_ && bytes == last_;
    read_ = true;
    last_ = bytes;
    if (same && HasSaved()) {
        std::vector<int> widths = DirectoryColsWidths(bytes);
        const std::vector<int> saved = SavedFor(widths.size());
        std::copy(saved.begin(), saved.end(), widths.begin());
        return widths;
    }
    return DirectoryColsWidths(bytes);
}

std::vector<int> TColumnWidthMemory::SavedFor(size_t columns) const {
    return std::vector<int>(saved_.begin(), saved_.begin() + static_cast<std::ptrdiff_t>(std::min(columns, saved_.size())));
}

}  // namespace mw
