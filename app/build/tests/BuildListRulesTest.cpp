// The build list's rules: which entries a folder holds, what a build stages and refuses, the
// builder's input files byte for byte, and the folders a disk import creates.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/build/BuildEntryNames.h"
#include "app/build/BuildInputFiles.h"
#include "app/build/BuildRoot.h"
#include "app/build/FolderImport.h"
#include "app/build/LeftOutReport.h"
#include "app/build/StagingPlan.h"
#include "app/extraction/tests/Latin1NameRules.h"

namespace {

using namespace quillon;

const TFileNameRules kRules = quillon_test::Latin1NameRules();

TEST(BuildEntryNamesTest, EntriesBelowAFolderMatchWholeFolderNamesInAnyCase) {
    const struct {
        const char* entry;
        const char* folder;
        bool below;
    } cases[] = {
        {"a/b/c.con", "a/b", true},
        {"a/b/c/d.con", "a/b", true},
        {"A/B/c.con", "a/b", true},
        {"a/b/*added.txt", "a/b", true},
        {"a/bc/d.con", "a/b", false},  // a sibling whose name starts the same
        {"a/b", "a/b", false},
        {"a/b/", "a/b", false},
        {"x/a/b/c.con", "a/b", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsEntryBelow(c.entry, c.folder), c.below) << c.entry << " in " << c.folder;

    EXPECT_EQ(AddedEntryName("a/b/", "c.con"), "a/b/*c.con");
    // Only the "*" that marks the added file goes: archive folders may hold one too.
    const struct {
        const char* entry;
        const char* fileName;
        const char* built;
    } added[] = {
        {"a/b/*c.con", "c.con", "a/b/c.con"},
        {"*c.con", "c.con", "c.con"},
        {"a/*b/*c.con", "c.con", "a/*b/c.con"},
    };
    for (const auto& c : added) {
        EXPECT_EQ(AddedFileName(c.entry), c.fileName) << c.entry;
        EXPECT_EQ(BuiltEntryPath(c.entry), c.built) << c.entry;
    }
}

TEST(StagingPlanTest, StagesTheRootFoldersTreeAndRefusesNamesThatCannotBeWrittenBelowIt) {
    const std::vector<std::string> folders = {"bf1942", "bf1942/levels", "bf1942/levels/empty", "bf1942x", "other",
                                              "bf1942/a:b"};
    const std::vector<TBuildListEntry> entries = {
        {"bf1942/levels/init.con"},
        {"bf1942/levels/*new.txt", true},
        {"bf1942x/not.con"},             // another root folder whose name starts the same
        {"other/not.con"},
        {"readme.txt"},
        {"BF1942/Levels/upper.con"},     // the tree shows it in the same folder
        {"bf1942/../../escape.txt"},
        {"bf1942/levels/CON"},
        {"bf1942/levels/INIT.CON"},      // the same file as init.con to the file system
        {"bf1942/levels/\xE9t\xE9.con"},
        {"bf1942/levels/\xC9T\xC9.con"},  // so is this as the one before
        {"bf1942/levels/empty/x/y.con"},
        {"bf1942/levels/*new.txt"},      // an archive entry named like an added file: no file can have its name
        {"bf1942/levels/a*b.con"},
    };
    const std::optional<TStagingPlan> plan = PlanStaging("bf1942", folders, entries, kRules);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->RootPath, "bf1942\\");
    EXPECT_EQ(plan->Folders, (std::vector<std::string>{"bf1942\\levels", "bf1942\\levels\\empty"}));
    std::vector<std::string> staged;
    for (const TStagedEntry& e : plan->Entries) staged.push_back(std::to_string(e.EntryIndex) + " " + e.RelativePath);
    EXPECT_EQ(staged, (std::vector<std::string>{"0 bf1942\\levels\\init.con", "1 bf1942\\levels\\new.txt",
                                                "5 BF1942\\Levels\\upper.con", "9 bf1942\\levels\\\xE9t\xE9.con",
                                                "11 bf1942\\levels\\empty\\x\\y.con"}));
    EXPECT_EQ(plan->RefusedFolders, std::vector<std::string>{"bf1942/a:b/"});
    EXPECT_EQ(plan->RefusedEntries, (std::vector<int>{6, 7, 8, 10, 12, 13}));
    EXPECT_EQ(plan->Outside, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(plan->LeftOutFiles(), 9u);

    // A root folder that cannot be a folder below the staging folder builds nothing.
    EXPECT_FALSE(PlanStaging("..", {".."}, {{"../x.con"}}, kRules));
    EXPECT_FALSE(PlanStaging("", {}, {{"x.con"}}, kRules));
}

// The builder takes one top folder: the one holding the user's added files wins over the
// selected one and over the first.
TEST(BuildRootTest, TheTopFolderWithTheAddedFilesIsBuilt) {
    const std::vector<std::string> tops = {"bf1942", "Objects", "textures"};
    const TBuildListEntry archiveEntry{"bf1942/levels/init.con"}, addedToObjects{"objects/vehicles/*tank.con", true},
        addedToTextures{"textures/*sky.tga", true}, addedAtTop{"*loose.txt", true};
    const struct {
        const char* what;
        std::vector<TBuildListEntry> entries;
        const char* preferred;
        const char* root;
    } cases[] = {
        {"nothing added: the selected folder's", {archiveEntry}, "textures", "textures"},
        {"nothing added, nothing selected: the first", {archiveEntry}, "", "bf1942"},
        {"added below another: that one, spelt as the tree does", {archiveEntry, addedToObjects}, "bf1942", "Objects"},
        {"added to two, one selected", {addedToObjects, addedToTextures}, "TEXTURES", "textures"},
        {"added to two, neither selected", {addedToTextures, addedToObjects}, "bf1942", "Objects"},
        {"added in no folder", {archiveEntry, addedAtTop}, "textures", "textures"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseBuildRoot(tops, c.entries, c.preferred), c.root) << c.what;
    EXPECT_EQ(ChooseBuildRoot({}, {addedAtTop}, ""), "");
}

TEST(LeftOutReportTest, NamesTheUsersFilesFirstThenOtherFoldersByTheirFileCount) {
    const std::vector<TBuildListEntry> entries = {
        {"bf1942/levels/init.con"},
        {"Objects/jeep.con"},
        {"objects/vehicles/tank.con"},
        {"objects/vehicles/*mine.con", true},
        {"readme.txt"},
        {"textures/sky.tga"},
        {"bf1942/levels/CON"},
        {"bf1942/levels/*added.con", true},
    };
    const std::optional<TStagingPlan> plan =
        PlanStaging("bf1942", {"bf1942", "bf1942/levels", "bf1942/a:b"}, entries, kRules);
    ASSERT_TRUE(plan);
    EXPECT_EQ(LeftOutLines(*plan, entries),
              (std::vector<std::string>{"objects/vehicles/mine.con (added by you)", "Objects/ (2 files)",
                                        "textures/ (1 file)", "readme.txt", "bf1942/a:b/", "bf1942/levels/CON"}));

    const std::string question = LeftOutQuestion("bf1942", *plan, entries);
    EXPECT_EQ(question.rfind("An RFA is built from one top folder, and this build takes \"bf1942\". Names that", 0), 0u)
        << question;
    EXPECT_NE(question.find("\r\robjects/vehicles/mine.con (added by you)\r"), std::string::npos) << question;
    EXPECT_EQ(question.find('*'), std::string::npos) << question;  // no entry-list marks
    EXPECT_NE(question.find("\r\rBuild \"bf1942\" without them?"), std::string::npos) << question;
    EXPECT_EQ(BuiltWithoutText("bf1942", plan->LeftOutFiles()), "The RFA now holds \"bf1942\" without the 6 files left out.");
    EXPECT_EQ(BuiltWithoutText("a", 1), "The RFA now holds \"a\" without the 1 file left out.");
}

TEST(BuildInputFilesTest, TheParameterAndBatchFilesHoldExactlyTheBuildersAnswers) {
    EXPECT_EQ(BuildParameterText("C:\\Quillon\\~RFA_BUILD\\bf1942\\", "bf1942", "D:\\out\\new.RFA", true),
              "C:\\Quillon\\~RFA_BUILD\\bf1942\\\r\nbf1942/\r\nN\r\nD:\\out\\new.RFA\r\nY\r\n");
    EXPECT_EQ(BuildParameterText("C:\\~RFA_BUILD\\a\\", "a", "a.RFA", false), "C:\\~RFA_BUILD\\a\\\r\na/\r\nN\r\na.RFA\r\nN\r\n");
    EXPECT_EQ(BuildBatchText(), "MakeRFA.EXE < \"RFABatchParams.Txt\"\r\n");
}

// A disk tree by folder path (with its trailing "\"); a folder missing from it cannot be listed.
struct TFakeDisk {
    std::map<std::string, std::vector<std::string>> subfolders;
    std::vector<std::string> listed;
    bool operator()(const std::string& folder, std::vector<std::string>& names) {
        listed.push_back(folder);
        const auto it = subfolders.find(folder);
        if (it == subfolders.end()) return false;
        names.insert(names.end(), it->second.begin(), it->second.end());
        return true;
    }
};

TEST(FolderImportTest, ListsTheFoldersBelowDeepestFirstAndTheImportedFolderLast) {
    TFakeDisk disk{{{"C:\\mods\\pack\\", {"a", "b"}},
                    {"C:\\mods\\pack\\a\\", {"a1"}},
                    {"C:\\mods\\pack\\a\\a1\\", {}},
                    {"C:\\mods\\pack\\b\\", {}}},
                   {}};
    // An archive folder's name may hold a backslash: the base is taken whole.
    for (const std::string& base : {std::string("bf1942/levels/"), std::string("bf1942/a\\b/"), std::string()}) {
        SCOPED_TRACE(base);
        const auto plan = PlanFolderImport("C:\\mods\\pack", base, std::ref(disk));
        ASSERT_TRUE(plan);
        std::vector<std::string> got;
        for (const TImportedFolder& f : plan->Folders) got.push_back(f.Target + " <- " + f.Source);
        EXPECT_EQ(got, (std::vector<std::string>{base + "pack/a/a1 <- C:\\mods\\pack\\a\\a1\\",
                                                 base + "pack/a <- C:\\mods\\pack\\a\\",
                                                 base + "pack/b <- C:\\mods\\pack\\b\\",
                                                 base + "pack <- C:\\mods\\pack\\"}));
        EXPECT_TRUE(plan->Unlisted.empty());
    }
}

// A folder that cannot be listed is left out with everything below it, and named; the rest is
// imported. Nothing is when the imported folder itself cannot be listed.
TEST(FolderImportTest, AFolderThatCannotBeListedIsLeftOutAndNamed) {
    const TFakeDisk complete{{{"C:\\mods\\pack\\", {"a", "b"}},
                              {"C:\\mods\\pack\\a\\", {"a1"}},
                              {"C:\\mods\\pack\\a\\a1\\", {}},
                              {"C:\\mods\\pack\\b\\", {}}},
                             {}};
    struct TCase {
        std::string unreadable;
        std::vector<std::string> targets;
        std::vector<std::string> unlisted;
    };
    const TCase cases[] = {
        {"C:\\mods\\pack\\b\\", {"pack/a/a1", "pack/a", "pack"}, {"C:\\mods\\pack\\b"}},
        {"C:\\mods\\pack\\a\\", {"pack/b", "pack"}, {"C:\\mods\\pack\\a"}},
        {"C:\\mods\\pack\\a\\a1\\", {"pack/a", "pack/b", "pack"}, {"C:\\mods\\pack\\a\\a1"}},
        {"C:\\mods\\pack\\", {}, {"C:\\mods\\pack"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.unreadable);
        TFakeDisk disk = complete;
        disk.subfolders.erase(c.unreadable);
        const auto plan = PlanFolderImport("C:\\mods\\pack", "", std::ref(disk));
        ASSERT_TRUE(plan);
        std::vector<std::string> targets;
        for (const TImportedFolder& f : plan->Folders) targets.push_back(f.Target);
        EXPECT_EQ(targets, c.targets);
        EXPECT_EQ(plan->Unlisted, c.unlisted);
    }

    // A drive root has no name to import under, and is not even listed.
    TFakeDisk disk = complete;
    EXPECT_FALSE(PlanFolderImport("C:", "", std::ref(disk)));
    EXPECT_TRUE(disk.listed.empty());
}

}  // namespace
