#pragma once
// The entry list's two forms of an entry name: an archive entry's full name ("a/b/c.con"), and
// a disk file added for the next build, written as its folder with a trailing "/", "*" and its
// file name ("a/b/*c.con").

#include <string>
#include <string_view>

namespace quillon {

// folder: "/" separated with a trailing "/" (empty for the archive's top level).
std::string AddedEntryName(std::string_view folder, std::string_view fileName);

// The disk file name of an added file: what follows the "*" that starts its last part (an
// archive's folder names may hold "*" too).
std::string_view AddedFileName(std::string_view entryName);

// The archive path an added file takes in the built archive: its name without that "*".
std::string BuiltEntryPath(std::string_view entryName);

// Whether the entry lies below the folder ("/" separated, no trailing "/"); the folder
// compares without regard to ASCII case, as the folder tree matches folders.
bool IsEntryBelow(std::string_view entryName, std::string_view folder);

}  // namespace quillon
