#pragma once
// Decodes the segments of one entry in order and hands the output to a TBlockWriter in large
// blocks, so that decoding and writing overlap.
//
// Output collects in a ring of kBlockCount blocks; when one is full it goes to the writer and
// decoding goes on in the next, once that one's earlier write is done. A match may reach back
// into earlier segments, up to kMaxMatchDistance bytes, across the start of a block too: each
// block has room for that much history in front of it, filled from the blocks before it only
// when a segment turns out to need it (segments are normally compressed each on its own, so
// copying it for every block would be wasted). Memory stays at kBlockCount blocks of
// kBlockSize (or of the largest segment when that is larger), each with its history room.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/archive/BlockWriter.h"
#include "app/archive/SegmentDecoder.h"

namespace quillon {

class TEntryDecoder {
public:
    // Output goes to the writer in blocks of this size (or of the segment, when larger).
    static constexpr size_t kBlockSize = size_t(1) << 20;

    explicit TEntryDecoder(TBlockWriter& writer);
    TEntryDecoder(const TEntryDecoder&) = delete;
    TEntryDecoder& operator=(const TEntryDecoder&) = delete;
    // Stops the writer, whose writes read from the blocks.
    ~TEntryDecoder();

    // A hint that about this much output is coming: when that is more than a block, the
    // writer starts at once, so that the target's open overlaps decoding the first block too.
    void ExpectOutput(uint64_t size);

    // Decodes the next segment. The compressed bytes need kSegmentInputPadding readable bytes
    // after them. On failure the decoder must not be used further.
    // Raises the writer's error when the open or a write failed.
    SegmentStatus AddSegment(const uint8_t* compressed, size_t compressedSize, size_t uncompressedSize);

    // Writes the output still held back and waits for every write; raises the writer's error.
    void Finish();

private:
    static constexpr size_t kBlockCount = 4;

    struct TBlock {
        std::unique_ptr<uint8_t[]> Storage;  // history room, Capacity bytes, the decoder's output slack
        size_t Capacity = 0;
        size_t Size = 0;          // output bytes in it
        uint64_t WriteTicket = 0;  // of its last write
        uint8_t* Data() const { return Storage.get() + kMaxMatchDistance; }
    };

    void StartNextBlock(size_t segmentSize);
    static void Reserve(TBlock& block, size_t capacity);
    size_t FillHistory();

    TBlockWriter& writer_;
    TBlock blocks_[kBlockCount];
    size_t current_ = 0;
    size_t history_ = 0;         // bytes of history filled in front of the current block
    uint64_t decodedBefore_ = 0;  // output bytes of the blocks before the current one
};

}  // namespace quillon
