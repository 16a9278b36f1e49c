#include "app/archive/ArchiveInput.h"

#include <algorithm>
#include <cstring>

#include "app/archive/RFAFormatError.h"
#include "app/archive/SegmentDecoder.h"

namespace quillon {

namespace {

// Large enough that reading the segments of an entry one after another costs one stream read
// per megabyte.
constexpr size_t kBlockSize = size_t(1) << 20;

}  // namespace

TArchiveInput::TArchiveInput(cl::TStream& stream, std::string archiveName)
    : stream_(stream), name_(std::move(archiveName)), size_(uint64_t(stream.Size())) {}

const uint8_t* TArchiveInput::Bytes(uint64_t offset, size_t count) {
    if (offset < blockStart_ || offset - blockStart_ > blockLength_ || count > blockLength_ - (offset - blockStart_))
        Load(offset, count);
    return block_.get() + (offset - blockStart_);
}

uint32_t TArchiveInput::UInt32At(uint64_t offset) {
    const uint8_t* b = Bytes(offset, 4);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void TArchiveInput::Fail(const std::string& problem) const { RaiseRFAFormatError(name_, problem); }

void TArchiveInput::Load(uint64_t offset, size_t count) {
    if (!Contains(offset, count)) Fail("a read at offset " + std::to_string(offset) + " passes the end of the file");
    const size_t length = size_t(std::min<uint64_t>(std::max(count, kBlockSize), size_ - offset));
    if (length > capacity_) {
        block_.reset(new uint8_t[length + kSegmentInputPadding]);
        capacity_ = length;
    }
    blockStart_ = offset;
    blockLength_ = 0;  // stays empty if the read fails
    stream_.SetPosition(int64_t(offset));
    stream_.ReadBuffer(block_.get(), length);
    std::memset(block_.get() + length, 0, kSegmentInputPadding);
    blockLength_ = length;
}

}  // namespace quillon
