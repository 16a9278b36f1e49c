#pragma once
// Shortening a path to a width for a status line: folders go from the front, one at a time,
// behind a "...\" placeholder; then the drive; the last name is never cut.

#include <functional>
#include <string>

namespace mw {

using TTextWidth = std::function<int(const std::string& text)>;

// The folder part without its first folder: "\a\b\" gives "\...\b\", "...\b\" gives "...\",
// a part with a single folder gives "...\" (or "\...\"), "\" alone gives "".
std::string CutFirstFolder(const std::string& folders);

// The path as it fits into maxWidth by textWidth, or as short as the rules allow.
std::string MinimizePathName(const std::string& path, const TTextWidth& textWidth, int maxWidth);

}  // namespace mw
