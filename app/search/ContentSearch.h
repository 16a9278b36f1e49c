#pragma once
// Searching the contents of archive entries: which entries are searched at all, and whether
// one entry's decoded contents hold a term. The entry is decoded as for extraction but not
// written anywhere: its bytes go through a TTermMatcher as they come, so an entry of any size
// is searched whole, zero bytes and all.

#include <cstdint>
#include <functional>
#include <string>

#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryDecoder.h"
#include "app/archive/RFAFile.h"

namespace quillon {

// False for a file added for the next build (a "*" starts its file name; an archive's folder
// names may hold "*" too) and for the binary kinds
// whose contents are never text: ".WAV", ".DDS", ".BAF", ".SM" and ".TGA" in any case.
bool IsContentSearchable(const std::string& entryString);

struct TContentMatch {
    bool Found = false;
    uint32_t SegmentCount = 0;  // read from the entry's data block, for the caller to store
};

// Decodes the entry and looks for the term in it, letters compared without case. A damaged
// entry raises as extraction does (ERFAFormatError naming archive, entry and fault).
// betweenSegments runs now and then while a large entry is read, as DecodeEntry says; what it
// throws ends the search of the entry. A search over many entries passes the same reuse to
// each, as DecodeEntry says.
TContentMatch SearchEntryContents(TArchiveInput& archive, const TRFAFile& entry, const std::string& term,
                                  const std::function<void()>& betweenSegments = nullptr,
                                  TDecodeBuffers* reuse = nullptr);

}  // namespace quillon
