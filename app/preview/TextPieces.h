#pragma once
// A large text goes into the editor a piece at a time, each ending where a line ends.

#include <cstddef>
#include <string>

namespace quillon {

// The editor takes a piece of this size in about a quarter of a second under Wine.
constexpr size_t kTextPieceSize = 128 * 1024;
// The first piece, a screen's worth and more, is shown without that wait.
constexpr size_t kFirstTextPieceSize = 16 * 1024;

// The end of the piece of text that starts at from: after the last line feed within
// maxSize bytes, or (for a longer line) maxSize bytes on, never between a CR and its LF.
size_t TextPieceEnd(const std::string& text, size_t from, size_t maxSize = kTextPieceSize);

}  // namespace quillon
