#pragma once
// Folder creation, presence and listing.

#include <string>
#include <vector>

namespace ut {

// Attribute sets for CollectFolderEntries, with the FILE_ATTRIBUTE_* values. Plain files are
// always listed; hidden, system and directory entries only when their bit is in the set.
constexpr unsigned kVolumeIdAttribute = 0x08;
constexpr unsigned kAnyFileAttributes = 0x3F;

// Creates the folder and every missing parent. True when the folder exists afterwards (a drive
// root or "C:" counts as existing). Raises EUtFileUtilsError for an empty path.
bool CreateFolderPath(const std::string& path);

bool FolderExists(const std::string& path);

// Appends the names (not paths) matching mask and attributes to names, never "." or "..".
// False when nothing matched at all, otherwise whether the search ran to its end.
bool CollectFolderEntries(const std::string& mask, unsigned attributes, std::vector<std::string>& names);

}  // namespace ut
