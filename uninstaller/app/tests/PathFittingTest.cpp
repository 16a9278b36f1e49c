#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "uninstaller/app/PathFitting.h"

namespace {

// Every character is 1 unit wide.
int CharacterCount(void*, const char*, size_t length)
{
    return static_cast<int>(length);
}

TEST(PathFitting, PathsLoseMiddleFoldersThenTheirEnd)
{
    const struct {
        const char* name;
        const char* text;
        int width;
        const char* fitted;
    } cases[] = {
        {"fits as it is", "Removing File:\r\nC:\\App\\a.txt", 20, "Removing File:\r\nC:\\App\\a.txt"},
        {"the label's width does not count", "Removing Directory:\r\nC:\\Games", 9, "Removing Directory:\r\nC:\\Games"},
        {"width reached is too wide", "Removing File:\r\nC:\\Games\\x", 10, "Removing File:\r\nC:\\...\\x"},
        {"middle folders go one by one", "Removing File:\r\nC:\\Program Files\\Halden\\Game\\Data\\file.txt", 26,
         "Removing File:\r\nC:\\...\\Game\\Data\\file.txt"},
        {"down to the name, then the end", "Removing File:\r\nC:\\Program Files\\Halden\\file.txt", 14,
         "Removing File:\r\nC:\\...\\fil..."},
        {"short folders are not worth replacing", "Removing File:\r\nC:\\ab\\cd\\file.txt", 15,
         "Removing File:\r\nC:\\ab\\cd\\fi..."},
        {"a text without line break is all path", "D:\\Setup Files\\Disk1\\setup.exe", 23, "D:\\...\\Disk1\\setup.exe"},
        {"line feeds and carriage returns are skipped", "Label:\n\r\nC:\\Folder\\Sub\\x", 14, "Label:\n\r\nC:\\...\\Sub\\x"},
        {"nothing can fit", "X:\r\nC:\\Long Folder\\name", 1, "X:\r\n..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        char text[512];
        std::strcpy(text, c.text);
        FitPathToWidth(text, c.width, CharacterCount, nullptr);
        EXPECT_STREQ(text, c.fitted);
    }
}

// However long the path, its name stays at the end.
TEST(PathFitting, LongPathsKeepTheirName)
{
    std::string text = "Removing File:\r\nC:\\" + std::string(200, 'f') + "\\" + std::string(150, 'g') + "\\name.txt";
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    FitPathToWidth(buffer.data(), 100, CharacterCount, nullptr);
    EXPECT_EQ(std::string(buffer.data()), "Removing File:\r\nC:\\...\\name.txt");
}

TEST(PathFitting, LongKeysAreCut)
{
    const std::string exact(48, 'k'), longer(49, 'k');
    char out[64];
    ShortenKey(exact.c_str(), out, sizeof out);
    EXPECT_EQ(std::string(out), exact);
    ShortenKey(longer.c_str(), out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(45, 'k') + "...");
    char tiny[10];
    ShortenKey(longer.c_str(), tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "kkkkkkkkk");
}

}  // namespace
