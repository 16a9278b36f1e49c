#pragma once
// Whether an archive's 8-bit name can be one file or folder below a chosen folder. Entry names
// are not trusted: "..", a drive or a stream (":"), an absolute or network path or a device
// name would write somewhere other than a file below that folder. What the file system
// receives is the name converted from the ANSI code page, so the checks look at the converted
// name: a byte that converts into a separator, a wildcard or a device's digit counts as what it
// becomes, and a name that does not convert exactly is refused.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// How the file system sees names: the conversion and the case folding are the platform's
// (the Windows layer supplies them; tests supply their own).
struct TFileNameRules {
    // The 8-bit name as the file system receives it; nothing when it does not convert exactly.
    std::function<std::optional<std::u16string>(std::string_view)> Convert;
    // One UTF-16 unit upper-cased as the file system does when it compares names.
    std::function<char16_t(char16_t)> Upcase;
};

// Whether the name can be one file or folder below a folder: not empty, "." or ".."; no
// control character and none of \ / : * ? " < > |; not ending with a dot or a blank (Windows
// drops them, so the file would get another name); and not a device name (CON, PRN, AUX, NUL,
// CONIN$, CONOUT$, COM and LPT with a digit 0-9 or a superscript 1-3, with or without an
// extension).
bool IsSafeFileName(std::u16string_view name);

// The same for an 8-bit name, converted as the rules say.
bool IsSafeFileName(std::string_view name, const TFileNameRules& rules);

// The archive path ("/" separated) as a path below a folder with "\" separators, or nothing
// when any of its parts is not IsSafeFileName (an empty part included: a leading, trailing or
// doubled "/").
std::optional<std::string> SafeRelativePath(std::string_view archivePath, const TFileNameRules& rules);

// The path's parts converted and upper-cased as the rules say, joined by "\": equal for two
// paths exactly when the file system takes them for the same. Nothing when a part is unsafe.
std::optional<std::u16string> FoldedRelativePath(std::string_view archivePath, const TFileNameRules& rules);

}  // namespace quillon
