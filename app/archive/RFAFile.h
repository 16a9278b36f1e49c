#pragma once
// One directory entry of an opened archive. The main window's entry list owns these, as the
// objects attached to its strings.

#include <cstdint>
#include <string>
#include <string_view>

#include "classlib/core/Object.h"

namespace quillon {

struct TRFAFile : cl::TObject {
    std::string FileName;          // the part of the entry name after the last "/"
    uint32_t Index = 0;            // position in the directory, from 0
    uint32_t ArchiveSize = 0;      // as in the directory (shown only)
    uint32_t Size = 0;             // as in the directory (shown only)
    uint32_t DataOffset = 0;       // where the entry's data block starts
    uint32_t SegmentCount = 0;     // 0 until the entry is extracted
    uint32_t DirectoryOffset = 0;  // the archive's directory offset
};

// The text after the last "/" of an entry name (the whole name when it has none).
std::string_view EntryFileName(std::string_view entryName);

// The entry for a directory record, with its FileName taken from the full name.
TRFAFile MakeRFAFile(std::string_view entryName, uint32_t archiveSize, uint32_t directoryOffset,
                     uint32_t dataOffset, uint32_t index, uint32_t size);

}  // namespace quillon
