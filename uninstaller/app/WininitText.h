#pragma once
// WININIT.INI in the Windows directory: what the system renames or deletes when it next starts
// (platforms outside the NT family). In its section "[rename]" a line "NUL=path" deletes path.

#include <cstddef>

// The text to append to WININIT.INI so that path is deleted at the next start. existing is the
// file's text, or null when there is no file. The line goes under a "[rename]" header unless
// the file's last section is "[rename]" already, and it starts on a line of its own. Returns
// the text's length, or 0 when it does not fit out.
std::size_t BuildWininitDeletion(const char* existing, std::size_t existingLength, const char* path, char* out,
                                 std::size_t size);
