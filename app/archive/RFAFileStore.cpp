#include "app/archive/RFAFileStore.h"

#include <utility>

namespace quillon {

TRFAFile* TRFAFileStore::Add(TRFAFile file) {
    if (usedInLastBlock_ == kBlockEntries) {
        blocks_.push_back(std::make_unique<TRFAFile[]>(kBlockEntries));
        usedInLastBlock_ = 0;
    }
    TRFAFile* slot = &blocks_.back()[usedInLastBlock_++];
    *slot = std::move(file);
    return slot;
}

void TRFAFileStore::Clear() {
    blocks_.clear();
    usedInLastBlock_ = kBlockEntries;
}

}  // namespace quillon
