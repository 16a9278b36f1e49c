#include "uninstaller/log/Arena.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Records hold pointers and integers: keep every request aligned for them.
const std::size_t kAlignment = alignof(std::max_align_t);
const std::size_t kHeaderSize = (sizeof(void*) + kAlignment - 1) / kAlignment * kAlignment;

Arena g_arena;

}  // namespace

void* Arena::Allocate(std::size_t size) {
  if (size > SIZE_MAX - kHeaderSize - kAlignment) return nullptr;
  std::size_t rounded = (size + kAlignment - 1) / kAlignment * kAlignment;
  if (rounded > freeSize_) {
    std::size_t blockSize = rounded > kBlockSize - kHeaderSize ? rounded + kHeaderSize : kBlockSize;
    BlockHeader* block = static_cast<BlockHeader*>(std::malloc(blockSize));
    if (!block) return nullptr;
    // Chained from the newest block, so freeing walks them all.
    block->next = firstBlock_;
    firstBlock_ = block;
    ++blockCount_;
    free_ = reinterpret_cast<char*>(block) + kHeaderSize;
    freeSize_ = blockSize - kHeaderSize;
  }
  void* result = free_;
  free_ += rounded;
  freeSize_ -= rounded;
  return result;
}

void Arena::FreeAll() {
  while (firstBlock_) {
    BlockHeader* next = firstBlock_->next;
    std::free(firstBlock_);
    firstBlock_ = next;
  }
  free_ = nullptr;
  freeSize_ = 0;
  blockCount_ = 0;
}

void* ArenaAllocate(std::size_t size) { return g_arena.Allocate(size); }

void ArenaFreeAll() { g_arena.FreeAll(); }
