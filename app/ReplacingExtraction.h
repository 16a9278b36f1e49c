#pragma once
// Extraction that never harms a file already at the target: the entry is decoded to a new
// file beside the target, which takes the target's place only once the whole entry is written.
// A damaged entry, a full disk or a stop leaves whatever was there before as it was.

#include <cstdint>
#include <functional>
#include <string>

#include "app/archive/RFAFile.h"

namespace quillon {

// As ExtractEntry (EntryExtraction.h), with the target replaced only on success. Raises
// EFCreateError when the file beside the target cannot be made or cannot take its place.
uint32_t ExtractEntryReplacing(const std::string& archivePath, const TRFAFile& entry, const std::string& targetPath,
                               const std::function<void(uint64_t output)>& progress = nullptr);

}  // namespace quillon
