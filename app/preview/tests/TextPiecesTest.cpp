#include <gtest/gtest.h>

#include <string>

#include "app/preview/TextPieces.h"

namespace {

TEST(TextPiecesTest, APieceEndsAfterALineEndWithinItsSize) {
    const struct {
        const char* text;
        size_t from, maxSize, end;
    } cases[] = {
        {"ab\r\ncd\r\nef", 0, 20, 10},  // the rest fits
        {"ab\r\ncd\r\nef", 0, 9, 8},    // after the last line end that fits
        {"ab\r\ncd\r\nef", 4, 5, 8},    // counted from where the piece starts
        {"ab\ncdefgh", 3, 4, 7},        // no line end: the size, within the line
        {"abc\r\nd", 0, 4, 3},          // never between CR and LF
        {"\r\nab", 0, 1, 1},            // unless the piece would be empty
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.from));
        EXPECT_EQ(quillon::TextPieceEnd(c.text, c.from, c.maxSize), c.end);
    }
}

// The pieces of a text, one after another, are the text.
TEST(TextPiecesTest, PiecesCoverTheTextInOrder) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += std::string(static_cast<size_t>(i % 37), 'x') + (i % 3 ? "\r\n" : "\n");
    std::string joined;
    for (size_t from = 0; from < text.size();) {
        const size_t end = quillon::TextPieceEnd(text, from, 64);
        ASSERT_GT(end, from);
        ASSERT_LE(end - from, 64u);
        joined += text.substr(from, end - from);
        from = end;
    }
    EXPECT_EQ(joined, text);
}

}  // namespace
