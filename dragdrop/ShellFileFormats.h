#pragma once
// The memory blocks of the shell's file formats, built and read as bytes: CF_HDROP's DROPFILES,
// the "FileNameMap"/"FileNameMapW" name lists and the CIDA of "Shell IDList Array". Platform-
// free; every reader stays inside the size it is given, since the blocks come from other
// programs.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dragdrop {

using TBytes = std::vector<uint8_t>;

// DROPFILES: pFiles, pt.x, pt.y, fNC, fWide (32 bits each), then the names.
constexpr size_t kDropFilesHeaderSize = 20;

// A DROPFILES block with the paths as ANSI names: pFiles 20, no point, not wide.
TBytes BuildDropFiles(const std::vector<std::string>& paths);

struct TDropFilesLayout {
    size_t namesOffset = 0;
    bool wide = false;
};
// Where a DROPFILES block's names start and whether they are UTF-16; nothing when the block is
// shorter than its header or its names would start beyond its end.
std::optional<TDropFilesLayout> ReadDropFilesHeader(const uint8_t* data, size_t size);

// Name lists: each name with its NUL, then one more NUL (an empty name ends the list).
TBytes BuildAnsiNameList(const std::vector<std::string>& names);
TBytes BuildWideNameList(const std::vector<std::u16string>& names);
// The names up to the first empty one; a last name cut off by the end of the data is dropped.
std::vector<std::string> ParseAnsiNameList(const uint8_t* data, size_t size);
std::vector<std::u16string> ParseWideNameList(const uint8_t* data, size_t size);

// Size in bytes of an item ID list (its items and the 2-byte terminator); 0 when it does not
// end within the available bytes.
size_t ItemIdListSize(const uint8_t* list, size_t available);

// A CIDA: the number of names, count + 1 offsets from the block's start, the folder's item
// list at (count + 2) * 4 and each name's item list after the one before. The item lists are
// complete, terminators included.
TBytes BuildIdListArray(const TBytes& folder, const std::vector<TBytes>& names);

}  // namespace dragdrop
