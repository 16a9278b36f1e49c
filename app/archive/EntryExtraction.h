#pragma once
// Turning one archive entry into its decoded bytes. The entry's data block, at its DataOffset:
//   SegmentCount, then per segment {CompressedSize, UncompressedSize, SegmentOffset},
//   then the compressed segments, segment i at DataOffset + 4 + 12 * SegmentCount + its offset.
// The decoded entry is the segments' output in table order; SegmentCount 0 is an empty entry.
// Every size and offset is checked against the file before use, and the output against the
// entry's Size; a damaged entry raises ERFAFormatError naming the archive, the entry and the
// fault.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryDecoder.h"
#include "app/archive/RFAFile.h"
#include "classlib/core/Stream.h"

namespace quillon {

// No segment's compressed data may be longer than this.
constexpr size_t kMaxCompressedSegmentSize = 49153;

// Segments between two calls of a DecodeEntry caller's check.
constexpr uint32_t kSegmentsBetweenChecks = 16;

// Writes the decoded entry to target and returns its SegmentCount. A large entry is decoded
// on worker threads and written from another; all of it is written when this returns.
// betweenSegments, when given, runs on the calling thread after every kSegmentsBetweenChecks
// segments; it may throw to abandon the entry (a user's "Stop"). reuse, when given, lends the
// decoder buffers kept from the entry decoded before and keeps this one's for the next.
uint32_t DecodeEntry(TArchiveInput& archive, const TRFAFile& entry, cl::TStream& target,
                     const std::function<void()>& betweenSegments = nullptr, TDecodeBuffers* reuse = nullptr);

// Writes the decoded entry to the file targetPath (replacing it) and returns its SegmentCount,
// which the caller stores in the entry. A large entry is decoded on worker threads, and the
// target created and written on another, while the archive is read on. On any failure both
// files are closed, the target is deleted and the error is raised again: EFOpenError/
// EFCreateError when a file cannot be opened, ERFAFormatError for a damaged archive (naming
// its first fault), stream errors for failed reads or writes (the last buffered write
// included), and whatever progress threw.
// progress, when given, runs on the calling thread as betweenSegments does for DecodeEntry,
// with the output the entry's segments so far claim; it may throw to abandon the entry.
uint32_t ExtractEntry(const std::string& archivePath, const TRFAFile& entry, const std::string& targetPath,
                      const std::function<void(uint64_t output)>& progress = nullptr);

}  // namespace quillon
