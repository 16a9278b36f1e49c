// The texts of an extraction's report and of the question before too much output.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/extraction/ExtractionReport.h"

namespace {

using namespace quillon;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr; (cr = text.find('\r', start)) != std::string::npos; start = cr + 1) lines.push_back(text.substr(start, cr - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(ListMessageTest, ListsEveryNameWhenFewAndCutsLongListsLinesAndWordsToFit) {
    EXPECT_EQ(ListMessage("Not saved:", {"a/b.txt: why", "c"}), "Not saved:\r\ra/b.txt: why\rc");

    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i)
        many.push_back("levels/" + std::string(600, char('a' + i % 26)) + std::to_string(i) + ".con: " +
                       std::string(i == 0 ? 50 : 0, 'x') + " could not be written " + std::string(300, 'w'));
    const std::vector<std::string> lines = Lines(ListMessage("Heading", many, 15, 200, 60));
    ASSERT_EQ(lines.size(), 2u + 15u + 1u);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 200u) << line;
        size_t run = 0;
        for (const char c : line) run = c == ' ' ? 0 : run + 1;
        EXPECT_LE(run, 60u) << line;
    }
    // A cut name keeps its start and its end, where names differ most, and the words between
    // long ones stay.
    EXPECT_EQ(lines[2].substr(0, 7), "levels/");
    EXPECT_NE(lines[2].find("0.con: "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find(" could not be written "), std::string::npos) << lines[2];
    EXPECT_EQ(lines.back(), "... and 25 more.");
}

// A name may hold line breaks: each is shown as a blank, so the list stays one line a name and
// the message as short as the cuts make it.
TEST(ListMessageTest, LineBreaksInANameAreShownAsBlanks) {
    for (const std::string lineBreak : {"\r", "\n", "\r\n"}) {
        std::string name = "a";
        for (int i = 0; i < 300; ++i) name += lineBreak;
        const std::string text = ListMessage("Heading", {name + "b", "c"});
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r') + std::count(text.begin(), text.end(), '\n'), 3) << text;
        EXPECT_EQ(text.rfind("Heading\r\ra ", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - 4), " b\rc") << text;
    }
}

TEST(OutputBoundTest, HonestArchivesStayWithinAndTheQuestionNamesBothSizes) {
    EXPECT_EQ(OutputBound(0), 0u);
    EXPECT_EQ(OutputBound(54 * 1024), 54u * 1024 * 255);
    EXPECT_EQ(OutputBound(UINT64_MAX / 2), UINT64_MAX);  // no overflow
    const struct {
        uint64_t bytes;
        const char* text;
    } sizes[] = {{0, "0 bytes"}, {1023, "1023 bytes"}, {1024, "1 KB"}, {55296, "54 KB"},
                 {14100480, "13.4 MB"}, {20ull * 4294967295ull, "80.0 GB"}};
    for (const auto& s : sizes) EXPECT_EQ(ByteSizeText(s.bytes), s.text) << s.bytes;
    EXPECT_EQ(ExcessOutputQuestion(20ull * 4294967295ull, 55296, "Save them anyway?"),
              "These entries claim 80.0 GB in all, more than an archive of 54 KB can hold: it is damaged, or made so "
              "that its entries share their data.\r\rSave them anyway?");
}

}  // namespace
