#pragma once
// The widths of the shell list's columns. The list's own four columns (name, size, type,
// modified) take their widths from the Explorer's "DirectoryCols" value; widths the user set
// in a file-system folder are remembered for every list of the process and given to the next
// file-system folder shown.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mw {

// At most this much of the value is read.
constexpr size_t kDirectoryColsMaxBytes = 22;

// The four widths: the first four little-endian 16-bit words of the value, laid over the
// defaults 200, 60, 100, 120 (and 50), so that a short value keeps the defaults' later words.
std::vector<int> DirectoryColsWidths(const std::vector<uint8_t>& value);

class TColumnWidthMemory {
public:
    // The own columns' widths for the value just read (empty: none could be read). Remembered
    // widths win when a value was read before and this one is the same; the value is kept.
    std::vector<int> OwnColumnWidths(const std::vector<uint8_t>& value);
    void Save(const std::vector<int>& widths) { saved_ = widths; }
    bool HasSaved() const { return !saved_.empty(); }
    // The remembered widths of the first columns, at most that many.
    std::vector<int> SavedFor(size_t columns) const;

private:
    bool read_ = false;
    std::vector<uint8_t> last_;
    std::vector<int> saved_;
};

}  // namespace mw
