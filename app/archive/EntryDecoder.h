#pragma once
// Decodes the segments of one entry in order and writes the output in large blocks. A match
// may reach back into earlier segments, so the last kMaxMatchDistance bytes of output stay in
// memory.
//
// Output collects in a ring of block buffers; when one is full, it is written in the
// background while decoding goes on in the next, which starts with a copy of the window. The
// writes run in order, one after another, so decoding and writing overlap and a slow write
// holds decoding up only once every block waits to be written. Memory stays at kBlockCount
// blocks (each a window plus 1 MiB, or the largest segment when that is larger).

#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>

#include "app/archive/SegmentDecoder.h"
#include "classlib/core/Stream.h"

namespace quillon {

class TEntryDecoder {
public:
    explicit TEntryDecoder(cl::TStream& target);
    TEntryDecoder(const TEntryDecoder&) = delete;
    TEntryDecoder& operator=(const TEntryDecoder&) = delete;
    ~TEntryDecoder();

    // Decodes the next segment. The compressed bytes need kSegmentInputPadding readable bytes
    // after them. On failure the decoder must not be used further.
    // Raises the target's write error when a background write failed.
    SegmentStatus AddSegment(const uint8_t* compressed, size_t compressedSize, size_t uncompressedSize);

    // Writes the output still held back; raises the target's write error.
    void Finish();

    uint64_t DecodedSize() const { return decoded_; }

private:
    static constexpr size_t kBlockCount = 4;

    struct TBlock {
        std::unique_ptr<uint8_t[]> Bytes;  // Capacity bytes plus the decoder's output slack
        size_t Capacity = 0;
        std::shared_future<void> Write;    // its background write, when one was started
    };

    void MakeRoom(size_t segmentSize);
    static void Reserve(TBlock& block, size_t capacity);

    cl::TStream& target_;
    TBlock blocks_[kBlockCount];
    size_t current_ = 0;
    size_t held_ = 0;     // output bytes in the current block: the window, then output not yet written
    size_t written_ = 0;  // bytes of the current block already passed on for writing
    uint64_t decoded_ = 0;
    std::shared_future<void> lastWrite_;  // the write started last; each write waits for the one before
};

}  // namespace quillon
