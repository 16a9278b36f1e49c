#include "app/archive/EntryExtraction.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "app/archive/BlockWriter.h"
#include "app/archive/EntryDecoder.h"
#include "app/archive/SegmentDecoder.h"

namespace quillon {

namespace {

constexpr uint32_t kSegmentRecordSize = 12;
// The segment table is read this many records at a time, so a huge claimed count costs no memory.
constexpr uint32_t kTableChunk = 1024;

struct TSegmentRecord {
    uint32_t CompressedSize;
    uint32_t UncompressedSize;
    uint32_t Offset;
};

uint32_t LoadUInt32(const uint8_t* b) {
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// Decodes the entry's segments in order and hands the output to writer.
// betweenSegments gets the output the segments so far claim.
uint32_t DecodeSegments(TArchiveInput& archive, const TRFAFile& entry, TBlockWriter& writer,
                        const std::function<void(uint64_t)>& betweenSegments = nullptr, TDecodeBuffers* reuse = nullptr) {
    const std::string entryLabel = "entry \"" + entry.FileName + "\"";
    const uint64_t tableOffset = uint64_t(entry.DataOffset) + 4;
    if (!archive.Contains(entry.DataOffset, 4))
        archive.Fail(entryLabel + " has its data at offset " + std::to_string(entry.DataOffset) +
                     ", beyond the end of the file");
    const uint32_t count = archive.UInt32At(entry.DataOffset);
    if (count > (archive.Size() - tableOffset) / kSegmentRecordSize)
        archive.Fail(entryLabel + " claims " + std::to_string(count) + " segments, more than the file can hold");
    const uint64_t dataStart = tableOffset + uint64_t(kSegmentRecordSize) * count;

    TEntryDecoder decoder(writer, reuse);
    const auto raise = [&](uint64_t segment, const std::string& problem) {
        archive.Fail(entryLabel + ", segment " + std::to_string(segment + 1) + " of " + std::to_string(count) + ": " +
                     problem);
    };
    const auto raiseDamage = [&](const TSegmentFailure& failure) {
        raise(failure.Segment, std::string("it is corrupt: ") + DescribeSegmentStatus(failure.Status));
    };
    // The output may not pass the entry's size in the directory: segments can each claim up to
    // kMaxSegmentExpansion times their compressed size and share the same compressed bytes,
    // so without this bound a small archive could fill the disk.
    uint64_t claimed = 0;
    TSegmentRecord records[kTableChunk];
    for (uint32_t first = 0; first < count; first += kTableChunk) {
        const uint32_t chunk = std::min(kTableChunk, count - first);
        const uint8_t* raw = archive.Bytes(tableOffset + uint64_t(kSegmentRecordSize) * first, kSegmentRecordSize * chunk);
        uint64_t chunkOutput = 0;
        for (uint32_t j = 0; j < chunk; ++j, raw += kSegmentRecordSize) {
            records[j] = {LoadUInt32(raw), LoadUInt32(raw + 4), LoadUInt32(raw + 8)};
            chunkOutput += records[j].UncompressedSize;
        }
        if (first == 0) decoder.ExpectOutput(chunkOutput);

        for (uint32_t j = 0; j < chunk; ++j) {
            const TSegmentRecord& segment = records[j];
            // Segments before this one are still being decoded; a damaged one among them is
            // the first fault, and is reported rather than this one.
            const auto reject = [&](const std::string& problem) {
                if (const std::optional<TSegmentFailure> earlier = decoder.Drain()) raiseDamage(*earlier);
                raise(first + j, problem);
            };
            if (segment.CompressedSize > kMaxCompressedSegmentSize)
                reject("its compressed size of " + std::to_string(segment.CompressedSize) + " bytes is above " +
                       std::to_string(kMaxCompressedSegmentSize));
            if (segment.UncompressedSize > kMaxSegmentExpansion * segment.CompressedSize)
                reject("it claims " + std::to_string(segment.UncompressedSize) + " bytes from only " +
                       std::to_string(segment.CompressedSize) + " compressed bytes");
            claimed += segment.UncompressedSize;
            if (claimed > entry.Size)
                reject("the segments so far claim " + std::to_string(claimed) + " bytes, more than the entry's size of " +
                       std::to_string(entry.Size) + " bytes");
            const uint64_t start = dataStart + segment.Offset;
            if (!archive.Contains(start, segment.CompressedSize)) reject("it lies beyond the end of the file");
            const uint8_t* compressed = archive.Bytes(start, segment.CompressedSize);
            if (const std::optional<TSegmentFailure> failure =
                    decoder.AddSegment(compressed, segment.CompressedSize, segment.UncompressedSize))
                raiseDamage(*failure);
            if (betweenSegments && (first + j + 1) % kSegmentsBetweenChecks == 0) betweenSegments(claimed);
        }
    }
    if (const std::optional<TSegmentFailure> failure = decoder.Finish()) raiseDamage(*failure);
    return count;
}

}  // namespace

uint32_t DecodeEntry(TArchiveInput& archive, const TRFAFile& entry, cl::TStream& target,
                     const std::function<void()>& betweenSegments, TDecodeBuffers* reuse) {
    TBlockWriter writer([&target]() -> cl::TStream& { return target; });
    std::function<void(uint64_t)> check;
    if (betweenSegments) check = [&betweenSegments](uint64_t) { betweenSegments(); };
    return DecodeSegments(archive, entry, writer, check, reuse);
}

uint32_t ExtractEntry(const std::string& archivePath, const TRFAFile& entry, const std::string& targetPath,
                      const std::function<void(uint64_t)>& progress) {
    cl::TFileStream archive(archivePath, cl::FileMode::OpenRead);
    // Creating the target over a large old file can take long; on the writer thread that wait
    // overlaps decoding the first blocks.
    std::unique_ptr<cl::TFileStream> target;
    TBlockWriter writer([&]() -> cl::TStream& {
        target = std::make_unique<cl::TFileStream>(targetPath, cl::FileMode::Create);
        return *target;
    });
    try {
        TArchiveInput input(archive, archivePath);
        const uint32_t segmentCount = DecodeSegments(input, entry, writer, progress);
        target->Flush();  // the last buffered write can fail too (a full disk)
        target.reset();
        return segmentCount;
    } catch (...) {
        writer.Stop();  // the target's open has run by now
        if (!target) {
            // A target that could not be created was not touched; that error is the one to report.
            if (const std::exception_ptr createError = writer.Error()) std::rethrow_exception(createError);
            throw;
        }
        target.reset();
        std::remove(targetPath.c_str());
        throw;
    }
}

}  // namespace quillon
