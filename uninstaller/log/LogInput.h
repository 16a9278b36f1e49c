// Where the log's bytes come from: the file itself, or memory (tests, fuzzing, benchmarks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

struct LogInput {
  virtual ~LogInput() = default;
  // Up to `size` bytes; 0 at end of file or on a read error.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual std::uint64_t Size() = 0;
};

class FileLogInput : public LogInput {
 public:
  FileLogInput() = default;
  FileLogInput(const FileLogInput&) = delete;
  FileLogInput& operator=(const FileLogInput&) = delete;
  ~FileLogInput() override;

  // Opens the file read-only; false when it cannot be opened.
  bool Open(const char* path);
  std::size_t Read(char* buffer, std::size_t size) override;
  std::uint64_t Size() override { return size_; }

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
};

class MemoryLogInput : public LogInput {
 public:
  MemoryLogInput(const void* data, std::size_t size) : data_(static_cast<const char*>(data)), size_(size) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  std::uint64_t Size() override { return size_; }

 private:
  const char* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};
