#include "uninstaller/log/LineReader.h"

#include <cstring>

bool LineReader::NextBlock() {
  if (atEnd_) return false;
  blockStart_ += blockLength_;
  blockLength_ = input_.Read(block_, kBlockSize);
  blockPosition_ = 0;
  if (blockLength_ == 0) atEnd_ = true;
  return !atEnd_;
}

int LineReader::ReadLine(char* buffer, std::size_t size, bool wantEmptyLines) {
  if (size == 0) return 0;
  for (;;) {
    std::size_t kept = 0;
    bool cut = false;
    bool started = false;
    bool ended = false;  // by CR, not by the end of the file
    while (!ended) {
      if (blockPosition_ == blockLength_ && !NextBlock()) break;
      const char* start = block_ + blockPosition_;
      std::size_t available = blockLength_ - blockPosition_;
      const char* cr = static_cast<const char*>(std::memchr(start, '\r', available));
      std::size_t length = cr ? static_cast<std::size_t>(cr - start) : available;
      blockPosition_ += cr ? length + 1 : length;
      ended = cr != nullptr;
      for (std::size_t i = 0; i < length; ++i) {
        char c = start[i];
        if (c == '\n') continue;
        if (!started) {
          started = true;
          lastLineStart_ = blockStart_ + static_cast<std::uint64_t>(start + i - block_);
        }
        if (c == '\0') cut = true;
        if (kept + 1 < size) {
          buffer[kept++] = c;
        } else {
          cut = true;
        }
      }
    }
    buffer[kept] = '\0';
    if (started || (ended && wantEmptyLines)) {
      lastLineCut_ = cut;
      return 1;
    }
    if (!ended) return 0;
  }
}
