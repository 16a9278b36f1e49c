// Archive names as paths below a chosen folder: what may never leave it, and entries whose
// files would coincide.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/extraction/ExtractionTargets.h"
#include "app/extraction/tests/Latin1NameRules.h"

namespace {

using quillon::SafeRelativePath;
using quillon::TExtractionTargets;

const quillon::TFileNameRules kRules = quillon_test::Latin1NameRules("\x81");

TEST(SafeRelativePathTest, KeepsPlainPathsAndRefusesWhatCouldLeaveTheFolder) {
    const struct {
        std::string archivePath;
        std::optional<std::string> relative;
    } cases[] = {
        {"readme.txt", "readme.txt"},
        {"Objects/Vehicles/jeep.con", "Objects\\Vehicles\\jeep.con"},
        {"a/.hidden", "a\\.hidden"},
        {"a/..b/c...d", "a\\..b\\c...d"},
        {"console/conf.txt", "console\\conf.txt"},  // only whole device names are devices
        {"COM10.txt", "COM10.txt"},
        {std::string("caf\xE9/men\xFC.txt"), std::string("caf\xE9\\men\xFC.txt")},  // 8-bit names pass
        // Leaving the folder: up, absolute, drive-relative, network and stream paths.
        {"..", std::nullopt},
        {"a/../../evil.txt", std::nullopt},
        {"a/./b.txt", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"C:/Windows/win.ini", std::nullopt},
        {"C:evil.txt", std::nullopt},
        {"a/b.txt:stream", std::nullopt},
        {"a\\..\\..\\evil.txt", std::nullopt},  // "\" is a separator to Windows
        {"\\\\server\\share\\x", std::nullopt},
        // Names Windows would change or read as a device.
        {"a/name.", std::nullopt},
        {"a/name ", std::nullopt},
        {"a/...", std::nullopt},
        {"a/CON", std::nullopt},
        {"a/nul.txt", std::nullopt},
        {"a/Com1.wav", std::nullopt},
        {"a/LPT9", std::nullopt},
        {"a/conout$", std::nullopt},
        {"a/b?.txt", std::nullopt},
        {"a/b\x01.txt", std::nullopt},
        // What the file system receives counts: the superscript digits name devices too, and a
        // byte that does not convert has no name at all.
        {"a/COM\xB9.txt", std::nullopt},
        {"a/lpt\xB3", std::nullopt},
        {"a/COM\xB4.txt", "a\\COM\xB4.txt"},
        {"a/b\x81.txt", std::nullopt},
        // Empty parts.
        {"", std::nullopt},
        {"a//b.txt", std::nullopt},
        {"a/", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeRelativePath(c.archivePath, kRules), c.relative) << c.archivePath;
}

TEST(ExtractionTargetsTest, TakesEachPathOnceWhateverItsCase) {
    TExtractionTargets targets(kRules);
    EXPECT_EQ(targets.AddFolder("Objects"), "Objects");
    EXPECT_EQ(targets.AddFolder("objects"), "objects");  // the same folder may be named again
    EXPECT_EQ(targets.AddFile("Objects/x.con"), "Objects\\x.con");
    EXPECT_EQ(targets.AddFile("objects/X.CON"), std::nullopt);  // the same file
    EXPECT_EQ(targets.AddFile("Objects/x.con"), std::nullopt);  // a duplicate entry
    EXPECT_EQ(targets.AddFile("Objects/y.con"), "Objects\\y.con");
    EXPECT_EQ(targets.AddFile("../y.con"), std::nullopt);
    // Every letter folds, not only ASCII ones: accented names and folders coincide too.
    EXPECT_EQ(targets.AddFile("Objects/\xC9T\xC9.txt"), "Objects\\\xC9T\xC9.txt");
    EXPECT_EQ(targets.AddFile("objects/\xE9t\xE9.txt"), std::nullopt);
    EXPECT_EQ(targets.AddFile("Objects/\xFF.txt"), "Objects\\\xFF.txt");
    EXPECT_EQ(targets.AddFile("Objects/\xE4/\xFF.txt"), "Objects\\\xE4\\\xFF.txt");
    EXPECT_EQ(targets.AddFile("objects/\xC4/\xFF.TXT"), std::nullopt);
    EXPECT_EQ(targets.AddFolder("objects/\xC4"), "objects\\\xC4");  // a folder may be named again
}

TEST(ExtractionTargetsTest, AFileAndAFolderNeverShareAPath) {
    TExtractionTargets folderFirst(kRules);
    ASSERT_TRUE(folderFirst.AddFolder("a/b"));
    EXPECT_EQ(folderFirst.AddFile("a/b"), std::nullopt);
    EXPECT_EQ(folderFirst.AddFile("A"), std::nullopt);  // a parent folder
    EXPECT_TRUE(folderFirst.AddFile("a/b/c"));

    TExtractionTargets fileFirst(kRules);
    ASSERT_TRUE(fileFirst.AddFile("a/b"));
    EXPECT_EQ(fileFirst.AddFolder("a/B"), std::nullopt);
    EXPECT_EQ(fileFirst.AddFolder("a/b/c"), std::nullopt);
    EXPECT_EQ(fileFirst.AddFile("a/b/c.txt"), std::nullopt);  // below a file
    EXPECT_EQ(fileFirst.AddFile("a"), std::nullopt);          // the file's folder
    EXPECT_TRUE(fileFirst.AddFile("a/c"));
}

}  // namespace
