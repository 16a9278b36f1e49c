// The uninstaller's arena: records are allocated from chained blocks and never freed one by
// one; the whole chain is freed at exit.
#pragma once

#include <cstddef>

class Arena {
 public:
  static const std::size_t kBlockSize = 0xFC00;

  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;
  ~Arena() { FreeAll(); }

  // Uninitialised memory aligned for any record, or nullptr when memory is short. A request
  // that does not fit the rest of the current block starts a new block: kBlockSize bytes, or
  // a block of its own when the request is larger.
  void* Allocate(std::size_t size);
  void FreeAll();
  std::size_t BlockCount() const { return blockCount_; }

 private:
  struct BlockHeader {
    BlockHeader* next;
  };
  BlockHeader* firstBlock_ = nullptr;
  char* free_ = nullptr;  // rest of the newest block
  std::size_t freeSize_ = 0;
  std::size_t blockCount_ = 0;
};

// The process-wide arena of the item store.
void* ArenaAllocate(std::size_t size);
void ArenaFreeAll();
