// Reads a text file line by line in blocks of 16,384 bytes. A line ends at CR; LF characters
// are dropped wherever they occur. The end of the file ends the last line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "uninstaller/log/LogInput.h"

class LineReader {
 public:
  static const std::size_t kBlockSize = 16384;

  explicit LineReader(LogInput& input) : input_(input) {}
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // 1 with a line in `buffer`, 0 at end of file (buffer empty). At most size - 1 characters
  // are kept, the rest of the line is dropped. Lines without characters are skipped unless
  // wantEmptyLines.
  int ReadLine(char* buffer, std::size_t size, bool wantEmptyLines);

  // The last line was longer than the buffer or held a NUL byte: its text is not the logged one.
  bool LastLineCut() const { return lastLineCut_; }
  // File offset of the last line's first character.
  std::uint64_t LastLineStart() const { return lastLineStart_; }
  // Bytes read from the file so far.
  std::uint64_t Position() const { return blockStart_ + blockLength_; }

 private:
  bool NextBlock();

  LogInput& input_;
  char block_[kBlockSize];
  std::size_t blockLength_ = 0;
  std::size_t blockPosition_ = 0;
  std::uint64_t blockStart_ = 0;  // total of the earlier blocks
  bool atEnd_ = false;
  bool lastLineCut_ = false;
  std::uint64_t lastLineStart_ = 0;
};
