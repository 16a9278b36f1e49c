#include "uninstaller/log/LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Line {
  std::string text;
  bool cut;
  std::uint64_t start;
  bool operator==(const Line& other) const {
    return text == other.text && cut == other.cut && start == other.start;
  }
};

void PrintTo(const Line& line, std::ostream* os) {
  std::string text = line.text.size() > 40 ? line.text.substr(0, 20) + "..." : line.text;
  *os << "{\"" << text << "\" (" << line.text.size() << "), cut=" << line.cut << ", start=" << line.start << "}";
}

std::vector<Line> ReadAll(const std::string& bytes, std::size_t bufferSize, bool wantEmptyLines) {
  MemoryLogInput input(bytes.data(), bytes.size());
  LineReader reader(input);
  std::vector<Line> lines;
  std::vector<char> buffer(bufferSize);
  while (reader.ReadLine(buffer.data(), buffer.size(), wantEmptyLines))
    lines.push_back({buffer.data(), reader.LastLineCut(), reader.LastLineStart()});
  EXPECT_STREQ(buffer.data(), "");
  EXPECT_EQ(reader.ReadLine(buffer.data(), buffer.size(), wantEmptyLines), 0);
  EXPECT_EQ(reader.Position(), bytes.size());
  return lines;
}

TEST(LineReaderTest, SplitsAtCarriageReturns) {
  const struct {
    const char* name;
    std::string bytes;
    bool wantEmptyLines;
    std::vector<Line> lines;
  } cases[] = {
      {"CR ends a line, LF is dropped anywhere", "a\r\nb\rc\n\rd\ne", false,
       {{"a", false, 0}, {"b", false, 3}, {"c", false, 5}, {"de", false, 8}}},
      {"lines without characters are skipped", "\r\r\n\r\n\nx\r\n", false, {{"x", false, 6}}},
      {"or delivered when asked for", "\r\r\n\r\n\nx\r\n", true,
       {{"", false, 0}, {"", false, 0}, {"", false, 0}, {"x", false, 6}}},
      {"the end of the file ends the last line", "a\r\nlast", false, {{"a", false, 0}, {"last", false, 3}}},
      {"an empty file has no lines", "", true, {}},
      {"a NUL byte marks the line", std::string("a\0b\r", 4), false, {{"a", true, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadAll(c.bytes, 2048, c.wantEmptyLines), c.lines);
  }
}

TEST(LineReaderTest, KeepsAtMostTheBufferLessOneAndMarksCutLines) {
  std::string fits(2047, 'f');
  std::string tooLong(2048, 'l');
  std::vector<Line> expected = {{fits, false, 0}, {std::string(2047, 'l'), true, 2049}, {"next", false, 4099}};
  EXPECT_EQ(ReadAll(fits + "\r\n" + tooLong + "\r\nnext\r\n", 2048, false), expected);
}

// Lines, CR LF pairs and over-long lines spanning the 16,384-byte blocks of the file.
TEST(LineReaderTest, LinesCrossBlockBoundaries) {
  const std::size_t block = LineReader::kBlockSize;
  const std::size_t bufferSize = 2 * block;
  std::string first(block - 1, 'a');  // its CR is the block's last byte, its LF the next block's first
  std::string second(10, 'b');
  std::string third(3 * block, 'c');  // over two block boundaries, cut to the buffer
  std::string bytes = first + "\r\n" + second + "\r" + third + "\r\nend";
  std::vector<Line> expected = {{first, false, 0},
                                {second, false, block + 1},
                                {std::string(bufferSize - 1, 'c'), true, block + 12},
                                {"end", false, 4 * block + 14}};
  EXPECT_EQ(ReadAll(bytes, bufferSize, false), expected);
}

}  // namespace
