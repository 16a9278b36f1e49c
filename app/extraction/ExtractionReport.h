#pragma once
// The texts that tell what an extraction did not do: a list of names (each with its reason)
// cut to fit on the screen, and the question asked before an archive makes the program write
// or decode more than it can honestly hold.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// The heading, then the lines, each on a line of its own after an empty one. At most maxLines
// of them are shown, and a last line tells how many more there are; a line is cut to
// maxLineLength characters, and a run of characters without a blank (which the message box
// cannot wrap) to maxRunLength, each keeping its start and its end joined by "...". Names come
// from the archive, and the message box grows with what it shows.
std::string ListMessage(const std::string& heading, const std::vector<std::string>& lines, size_t maxLines = 15,
                        size_t maxLineLength = 200, size_t maxRunLength = 60);

// The most output an archive of this size can give when no two of its entries or segments
// share compressed bytes: each segment decodes to at most kMaxSegmentExpansion times its
// compressed size. Entries that claim more in all share their data, or lie.
uint64_t OutputBound(uint64_t archiveSize);

// A size for people: "512 bytes", "54 KB", "13.8 MB", "85.9 GB".
std::string ByteSizeText(uint64_t bytes);

// The question before entries that claim more than OutputBound of the archive are written or
// searched; action ends it ("Writing them could fill the disk.\r\rSave them anyway?").
std::string ExcessOutputQuestion(uint64_t claimed, uint64_t archiveSize, const std::string& action);

}  // namespace quillon
