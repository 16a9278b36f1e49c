#pragma once
// An installation source as the log names it: "path | identity", the identity being the source
// file's last write (local time) and size as "MM-DD-YYYY | HH:MM:SS | size".

#include <cstddef>
#include <cstdint>

#include "uninstaller/app/RepairData.h"

// Splits text at its first "|": the path before it (one trailing space removed) and the
// identity after it (leading spaces removed; empty without a "|"). False when a part does not
// fit its buffer.
bool SplitSourceText(const char* text, char* path, std::size_t pathSize, char* identity, std::size_t identitySize);

// The identity of a file with this last write and size.
void FormatSourceIdentity(const LocalStamp& written, std::uint64_t size, char* out, std::size_t outSize);

// Whether a file with this last write and size is the logged source. A source logged without
// an identity is taken as it is found.
bool IsLoggedSource(const char* identity, const LocalStamp& written, std::uint64_t size);
