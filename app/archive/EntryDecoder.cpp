#include "app/archive/EntryDecoder.h"

#include <algorithm>
#include <cstring>

namespace quillon {

namespace {

constexpr size_t kOutputBlock = size_t(1) << 20;

}  // namespace

TEntryDecoder::TEntryDecoder(cl::TStream& target) : target_(target) {
    Reserve(blocks_[0], kMaxMatchDistance + kOutputBlock);
}

TEntryDecoder::~TEntryDecoder() {
    // The blocks must outlive their writes; an error of a write nobody waited for is dropped.
    if (lastWrite_.valid()) lastWrite_.wait();
}

SegmentStatus TEntryDecoder::AddSegment(const uint8_t* compressed, size_t compressedSize, size_t uncompressedSize) {
    MakeRoom(uncompressedSize);
    uint8_t* const block = blocks_[current_].Bytes.get();
    const SegmentStatus status = DecodeSegment(compressed, compressedSize, block + held_, uncompressedSize, held_);
    if (status == SegmentStatus::Ok) {
        held_ += uncompressedSize;
        decoded_ += uncompressedSize;
    }
    return status;
}

void TEntryDecoder::Finish() {
    if (lastWrite_.valid()) lastWrite_.get();  // raises what a write raised
    target_.WriteBuffer(blocks_[current_].Bytes.get() + written_, held_ - written_);
    written_ = held_;
}

void TEntryDecoder::MakeRoom(size_t segmentSize) {
    if (segmentSize <= blocks_[current_].Capacity - held_) return;

    // Continue in the next block, starting with the window; write this one meanwhile.
    TBlock& full = blocks_[current_];
    TBlock& next = blocks_[(current_ + 1) % kBlockCount];
    if (next.Write.valid()) next.Write.get();  // raises what a write raised
    const size_t keep = std::min(held_, kMaxMatchDistance);
    Reserve(next, std::max(kMaxMatchDistance + kOutputBlock, keep + segmentSize));
    std::memcpy(next.Bytes.get(), full.Bytes.get() + held_ - keep, keep);

    const uint8_t* pending = full.Bytes.get() + written_;
    const size_t pendingSize = held_ - written_;
    lastWrite_ = std::async(std::launch::async, [this, previous = lastWrite_, pending, pendingSize] {
                     if (previous.valid()) previous.get();
                     target_.WriteBuffer(pending, pendingSize);
                 }).share();
    full.Write = lastWrite_;
    current_ = (current_ + 1) % kBlockCount;
    held_ = written_ = keep;
}

void TEntryDecoder::Reserve(TBlock& block, size_t capacity) {
    if (block.Capacity >= capacity) return;
    block.Bytes.reset(new uint8_t[capacity + kSegmentOutputSlack]);
    block.Capacity = capacity;
}

}  // namespace quillon
