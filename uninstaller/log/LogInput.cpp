#include "uninstaller/log/LogInput.h"

#include <cstring>

FileLogInput::~FileLogInput() {
  if (file_) std::fclose(file_);
}

bool FileLogInput::Open(const char* path) {
  file_ = std::fopen(path, "rb");
  if (!file_) return false;
  // The size only scales the progress bar: unknown (0) when it cannot be told.
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    long end = std::ftell(file_);
    if (end > 0) size_ = static_cast<std::uint64_t>(end);
  }
  std::rewind(file_);
  return true;
}

std::size_t FileLogInput::Read(char* buffer, std::size_t size) { return std::fread(buffer, 1, size, file_); }

std::size_t MemoryLogInput::Read(char* buffer, std::size_t size) {
  std::size_t count = size_ - position_ < size ? size_ - position_ : size;
  std::memcpy(buffer, data_ + position_, count);
  position_ += count;
  return count;
}
