#pragma once
// Range-checked reading of an archive through one block buffer: the many small reads of a
// directory and the segments of an entry cost few stream reads, and nothing is read before it
// is known to lie within the file.

#include <cstdint>
#include <memory>
#include <string>

#include "classlib/core/Stream.h"

namespace quillon {

class TArchiveInput {
public:
    // archiveName is used in error messages only.
    TArchiveInput(cl::TStream& stream, std::string archiveName);

    uint64_t Size() const { return size_; }
    const std::string& Name() const { return name_; }

    // True when the count bytes at offset lie within the archive.
    bool Contains(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }

    // The count bytes at offset, valid until the next call. A range outside the archive raises
    // ERFAFormatError; callers check with Contains first to report what is wrong more exactly.
    // At least kSegmentInputPadding readable bytes follow the range (file bytes or zeros), so
    // the result can go to DecodeSegment.
    const uint8_t* Bytes(uint64_t offset, size_t count);
    uint32_t UInt32At(uint64_t offset);

    // Raises ERFAFormatError naming this archive.
    [[noreturn]] void Fail(const std::string& problem) const;

private:
    void Load(uint64_t offset, size_t count);

    cl::TStream& stream_;
    std::string name_;
    uint64_t size_;
    std::unique_ptr<uint8_t[]> block_;
    size_t capacity_ = 0;  // usable bytes of block_ (the padding comes after)
    uint64_t blockStart_ = 0;
    size_t blockLength_ = 0;
};

}  // namespace quillon
