#pragma once
// Where extracted entries go below a folder the user chose. Entry names come from the archive
// and are not trusted: "..", a drive or a stream (":"), an absolute path or a device name
// would write somewhere other than a file below that folder. Such names are refused, and
// entries whose files would coincide (with each other or with a folder) are told apart, so
// that no entry silently takes the place of another.
//
// Names are 8-bit text; the checks and the case folding look at ASCII only (CaseFold.h).

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quillon {

// Whether the text can be one file or folder name below a folder: not empty, "." or "..";
// no control character and none of \ / : * ? " < > |; not ending with a dot or a blank
// (Windows drops them, so the file would get another name); and not a device name (CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, COM1-COM9, LPT1-LPT9, with or without an extension).
bool IsSafeFileName(std::string_view name);

// The archive path ("/" separated) as a path below a folder with "\" separators, or nothing
// when any of its parts is not IsSafeFileName (an empty part included: a leading, trailing
// or doubled "/").
std::optional<std::string> SafeRelativePath(std::string_view archivePath);

// The folders and files one extraction writes below its target folder. Each path is taken
// once; paths compare without regard to ASCII case, as the file system compares them.
class TExtractionTargets {
public:
    // Takes a folder (archive path, "/" separated) and its parents; its "\" path, or nothing
    // when it is unsafe or a file has the path of the folder or of one of its parents.
    std::optional<std::string> AddFolder(std::string_view archivePath);
    // Takes a file (archive path, "/" separated) and its parent folders; its "\" path, or
    // nothing when it is unsafe, already taken by a file or a folder, or below a file.
    std::optional<std::string> AddFile(std::string_view archivePath);

private:
    // Takes the parent folders of a "\" path; false when one of them is a file.
    bool AddParents(const std::string& relativePath);

    std::unordered_set<std::string> folders_;  // case-folded "\" paths
    std::unordered_set<std::string> files_;
};

}  // namespace quillon
