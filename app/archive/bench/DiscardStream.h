#pragma once
// The target of the benchmarks that time decoding alone: takes every byte and keeps none.

#include <cstddef>
#include <cstdint>

#include "classlib/core/Stream.h"

namespace quillon::bench {

class TDiscardStream : public cl::TStream {
public:
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override {
        written_ += int64_t(count);
        return count;
    }
    // The position is always the end of what was written.
    int64_t Seek(int64_t, cl::SeekOrigin) override { return written_; }

private:
    int64_t written_ = 0;
};

}  // namespace quillon::bench
