#pragma once
// Reading the directory of an RFA archive. All integers are unsigned 32-bit little-endian and
// offsets count from the start of the file:
//   0                     DirectoryOffset
//   DirectoryOffset       EntryCount
//   DirectoryOffset + 4   EntryCount entries, back to back, each:
//                           NameLength, Name (NameLength bytes, "/" between folders),
//                           ArchiveSize, Size, DataOffset, 12 unused bytes
// Nothing read is trusted: every count, length and offset is checked against the file's size
// before use, and a damaged archive raises one ERFAFormatError that names it and the fault.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/core/Stream.h"

namespace quillon {

// Longest name accepted (the format's readers hold a name in 513 bytes with a terminator).
constexpr uint32_t kMaxEntryNameLength = 512;
// Bytes of a directory entry besides its name.
constexpr uint32_t kDirectoryEntryFixedSize = 28;

struct TRFADirectoryEntry {
    std::string_view Name;  // the full entry name, up to its first zero byte; held by the directory
    uint32_t ArchiveSize = 0;
    uint32_t Size = 0;
    uint32_t DataOffset = 0;
};

// The entries' names are held back to back in one buffer (a large directory would otherwise
// cost an allocation per name), so a directory can be moved but not copied.
struct TRFADirectory {
    TRFADirectory() = default;
    TRFADirectory(TRFADirectory&&) = default;
    TRFADirectory& operator=(TRFADirectory&&) = default;
    TRFADirectory(const TRFADirectory&) = delete;
    TRFADirectory& operator=(const TRFADirectory&) = delete;

    uint32_t DirectoryOffset = 0;
    std::vector<TRFADirectoryEntry> Entries;  // in directory order: the index is the position
    std::vector<char> Names;
};

// Called after each entry is read, with its index and the entry count.
using TDirectoryProgress = std::function<void(uint32_t index, uint32_t count)>;

// Reads the whole directory; archiveName is used in error messages. Stream errors of the
// stream itself pass through unchanged.
TRFADirectory ReadRFADirectory(cl::TStream& archive, const std::string& archiveName,
                               const TDirectoryProgress& progress = {});
// Opens the file read-only (EFOpenError when it cannot) and reads its directory.
TRFADirectory ReadRFADirectory(const std::string& archivePath, const TDirectoryProgress& progress = {});

}  // namespace quillon
