#pragma once
// The archive entries of an opened archive, kept in blocks: a directory of a million entries
// costs a thousand allocations instead of a million. An entry stays where it is until the
// store is cleared, so pointers to it stay valid that long.

#include <cstddef>
#include <memory>
#include <vector>

#include "app/archive/RFAFile.h"

namespace quillon {

class TRFAFileStore {
public:
    TRFAFile* Add(TRFAFile file);
    void Clear();

private:
    static constexpr size_t kBlockEntries = 1024;
    std::vector<std::unique_ptr<TRFAFile[]>> blocks_;
    size_t usedInLastBlock_ = kBlockEntries;
};

}  // namespace quillon
