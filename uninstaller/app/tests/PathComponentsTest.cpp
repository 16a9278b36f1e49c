#include "uninstaller/app/PathComponents.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>
#include <string>

namespace {

// A file system of folders and files, each with a long and an 8.3 name; the lookup matches
// either name in every component, as the system does.
struct Entry {
    std::string parent;   // upper-cased long path of the folder holding it
    std::string longName;
    std::string shortName;
};

struct FakeFileSystem {
    std::vector<Entry> entries;
    bool wantShort;
};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

bool Lookup(void* context, const char* path, char* name, size_t size)
{
    auto* fs = static_cast<FakeFileSystem*>(context);
    std::string rest = Upper(path);
    size_t rootEnd = 2;
    if (rest.compare(0, 2, "\\\\") == 0)
        rootEnd = rest.find('\\', rest.find('\\', 2) + 1);
    std::string parent = rest.substr(0, rootEnd);
    rest = rest.substr(rootEnd + 1);
    const Entry* found = nullptr;
    while (!rest.empty()) {
        size_t cut = rest.find('\\');
        std::string component = rest.substr(0, cut);
        rest = cut == std::string::npos ? "" : rest.substr(cut + 1);
        if (component == "..") {
            parent = parent.substr(0, parent.rfind('\\'));
            continue;
        }
        found = nullptr;
        for (const Entry& e : fs->entries)
            if (e.parent == parent && (Upper(e.longName) == component || Upper(e.shortName) == component))
                found = &e;
        if (!found)
            return false;
        parent += "\\" + Upper(found->longName);
    }
    if (!found)
        return false;
    std::snprintf(name, size, "%s", (fs->wantShort ? found->shortName : found->longName).c_str());
    return true;
}

FakeFileSystem Sample(bool wantShort)
{
    FakeFileSystem fs;
    fs.wantShort = wantShort;
    fs.entries = {
        {"C:", "Program Files", "PROGRA~1"},
        {"C:\\PROGRAM FILES", "My Game", "MYGAME~1"},
        {"C:\\PROGRAM FILES\\MY GAME", "INSTALL.LOG", "INSTALL.LOG"},
        {"\\\\SERVER\\SHARE", "Long Folder", "LONGFO~1"},
    };
    return fs;
}

}  // namespace

TEST(PathComponents, ComponentByComponent)
{
    const struct {
        const char* path;
        bool wantShort;
        const char* expected;
    } cases[] = {
        {"c:\\program files\\my game\\install.log", true, "C:\\PROGRA~1\\MYGAME~1\\INSTALL.LOG"},
        {"C:\\PROGRA~1\\MYGAME~1\\INSTALL.LOG", false, "C:\\Program Files\\My Game\\INSTALL.LOG"},
        {"C:\\Program Files\\My Game\\", true, "C:\\PROGRA~1\\MYGAME~1\\"},
        // A component that cannot be found stays as it is, and so does everything after it.
        {"C:\\Program Files\\Gone Away\\x.txt", true, "C:\\PROGRA~1\\Gone Away\\x.txt"},
        // Wildcards and dot components are never looked up.
        {"C:\\Program Files\\*.*", true, "C:\\PROGRA~1\\*.*"},
        {"C:\\Program Files\\..\\Program Files", true, "C:\\PROGRA~1\\..\\PROGRA~1"},
        {"\\\\server\\share\\Long Folder\\a.txt", true, "\\\\server\\share\\LONGFO~1\\a.txt"},
        // Relative paths are put after the current directory (C:\Program Files).
        {"My Game\\INSTALL.LOG", true, "C:\\PROGRA~1\\MYGAME~1\\INSTALL.LOG"},
        {"\\Program Files", true, "C:\\PROGRA~1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        FakeFileSystem fs = Sample(c.wantShort);
        char out[260];
        ASSERT_EQ(ConvertPathForm(c.path, "C:\\Program Files", Lookup, &fs, out, sizeof out), 0);
        EXPECT_STREQ(out, c.expected);
    }
}

TEST(PathComponents, ResultThatDoesNotFitIsRefused)
{
    FakeFileSystem fs = Sample(false);
    char out[16];
    EXPECT_EQ(ConvertPathForm("C:\\PROGRA~1\\MYGAME~1", "C:\\", Lookup, &fs, out, sizeof out), 1);
    EXPECT_STREQ(out, "");

    std::string deep = "C:\\" + std::string(2000, 'd');
    char big[260];
    EXPECT_EQ(ConvertPathForm(deep.c_str(), "C:\\", Lookup, &fs, big, sizeof big), 1);
}
