#include "app/archive/EntryDecoder.h"

#include <algorithm>
#include <cstring>

namespace quillon {

TEntryDecoder::TEntryDecoder(TBlockWriter& writer) : writer_(writer) { Reserve(blocks_[0], kBlockSize); }

TEntryDecoder::~TEntryDecoder() { writer_.Stop(); }

void TEntryDecoder::ExpectOutput(uint64_t size) {
    if (size > kBlockSize) writer_.Start();
}

SegmentStatus TEntryDecoder::AddSegment(const uint8_t* compressed, size_t compressedSize, size_t uncompressedSize) {
    TBlock* block = &blocks_[current_];
    if (uncompressedSize > block->Capacity - block->Size) {
        StartNextBlock(uncompressedSize);
        block = &blocks_[current_];
    }
    uint8_t* const out = block->Data() + block->Size;
    SegmentStatus status = DecodeSegment(compressed, compressedSize, out, uncompressedSize, history_ + block->Size);
    // The first try sees this block only; a match reaching before it needs the history.
    if (status == SegmentStatus::DistanceTooFar && history_ == 0 && decodedBefore_ != 0 &&
        block->Size < kMaxMatchDistance)
        status = DecodeSegment(compressed, compressedSize, out, uncompressedSize, FillHistory() + block->Size);
    if (status == SegmentStatus::Ok) block->Size += uncompressedSize;
    return status;
}

void TEntryDecoder::Finish() {
    const TBlock& block = blocks_[current_];
    writer_.Finish(block.Data(), block.Size);
}

void TEntryDecoder::StartNextBlock(size_t segmentSize) {
    TBlock& full = blocks_[current_];
    if (full.Size != 0) full.WriteTicket = writer_.Write(full.Data(), full.Size);
    decodedBefore_ += full.Size;

    current_ = (current_ + 1) % kBlockCount;
    TBlock& next = blocks_[current_];
    writer_.WaitFor(next.WriteTicket);  // raises what a write raised
    Reserve(next, std::max(kBlockSize, segmentSize));
    next.Size = 0;
    history_ = 0;
}

void TEntryDecoder::Reserve(TBlock& block, size_t capacity) {
    if (block.Capacity >= capacity) return;
    block.Storage.reset(new uint8_t[kMaxMatchDistance + capacity + kSegmentOutputSlack]);
    block.Capacity = capacity;
}

size_t TEntryDecoder::FillHistory() {
    // The history comes from the blocks before this one, newest first. Two are always enough:
    // a block closed with less than kMaxMatchDistance in it was closed because the next
    // segment did not fit, and that segment alone nearly fills the next block; so no two
    // blocks in a row are both that short.
    const size_t wanted = size_t(std::min<uint64_t>(kMaxMatchDistance - blocks_[current_].Size, decodedBefore_));
    uint8_t* to = blocks_[current_].Data();
    size_t filled = 0;
    for (size_t back = 1; filled < wanted && back < kBlockCount; ++back) {
        const TBlock& earlier = blocks_[(current_ + kBlockCount - back) % kBlockCount];
        const size_t take = std::min(wanted - filled, earlier.Size);
        to -= take;
        std::memcpy(to, earlier.Data() + earlier.Size - take, take);
        filled += take;
    }
    history_ = filled;
    return filled;
}

}  // namespace quillon
