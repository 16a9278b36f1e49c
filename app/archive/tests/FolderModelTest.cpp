// The folder model: folders once each with their parents, case-insensitive merging that the
// entry lists follow, and keeping in step with additions and removals.

#include <gtest/gtest.h>

#include "app/archive/FolderModel.h"

namespace quillon::test {
namespace {

using FolderId = TFolderModel::FolderId;

std::vector<std::string> Paths(const TFolderModel& model, const std::vector<FolderId>& ids) {
    std::vector<std::string> paths;
    for (FolderId id : ids) paths.push_back(model.FolderPath(id));
    return paths;
}

std::vector<std::string> Listed(const TFolderModel& model, std::string_view folder) {
    std::vector<std::string> names;
    for (const auto& entry : model.EntriesIn(model.FindFolder(folder))) names.push_back(entry.Name);
    return names;
}

// Loads entry names as the main window does: folders first, then the entry.
TFolderModel Load(const std::vector<std::string>& names, std::vector<std::vector<std::string>>* newFolders = nullptr) {
    TFolderModel model;
    for (const std::string& name : names) {
        const std::vector<FolderId> added = model.AddFolderPath(name);
        if (newFolders) newFolders->push_back(Paths(model, added));
        model.AddEntry(name, nullptr);
    }
    return model;
}

TEST(FolderModel, FoldersAreAddedOnceParentsFirst) {
    std::vector<std::vector<std::string>> added;
    const TFolderModel model = Load({"a/b/c.txt", "a/d.txt", "readme.txt", "a/b/e/f.txt"}, &added);
    EXPECT_EQ(added, (std::vector<std::vector<std::string>>{{"a", "a/b"}, {}, {}, {"a/b/e"}}));
    EXPECT_EQ(model.FolderCount(), 3u);

    const FolderId ab = model.FindFolder("a/b");
    EXPECT_EQ(model.FolderName(ab), "b");
    EXPECT_EQ(model.ParentFolder(ab), model.FindFolder("a"));
    EXPECT_EQ(model.ParentFolder(model.FindFolder("a")), TFolderModel::kNoFolder);
    EXPECT_EQ(model.FindParentFolder("a/b/e"), ab);
    EXPECT_EQ(model.FindParentFolder("a"), TFolderModel::kNoFolder);

    // Only the entries directly in a folder; a top-level entry is in none.
    EXPECT_EQ(Listed(model, "a"), (std::vector<std::string>{"d.txt"}));
    EXPECT_EQ(Listed(model, "a/b"), (std::vector<std::string>{"c.txt"}));
    EXPECT_EQ(model.FindFolder("readme.txt"), TFolderModel::kNoFolder);
}

TEST(FolderModel, FoldersDifferingInCaseAreOneAndListAllTheirEntries) {
    std::vector<std::vector<std::string>> added;
    const TFolderModel model = Load({"Objects/jeep.con", "objects/tank.con", "OBJECTS/Sub/gun.con"}, &added);
    // The first spelling stays, and folders below it extend it.
    EXPECT_EQ(added, (std::vector<std::vector<std::string>>{{"Objects"}, {}, {"Objects/Sub"}}));
    EXPECT_EQ(model.FindFolder("oBjEcTs"), model.FindFolder("Objects"));
    EXPECT_EQ(Listed(model, "objects"), (std::vector<std::string>{"jeep.con", "tank.con"}));
    EXPECT_EQ(Listed(model, "objects/SUB"), (std::vector<std::string>{"gun.con"}));
}

TEST(FolderModel, EntriesStayInStepWithAdditionsAndRemovals) {
    TFolderModel model = Load({"a/x.txt", "a/y.txt", "a/z.txt"});
    const TRFAFile file = MakeRFAFile("a/w.txt", 1, 2, 3, 4, 5);
    model.AddEntry("a/w.txt", &file);
    model.AddEntry("a/*new.txt", nullptr);  // a file added for the next build
    EXPECT_EQ(Listed(model, "a"), (std::vector<std::string>{"x.txt", "y.txt", "z.txt", "w.txt", "*new.txt"}));
    EXPECT_EQ(model.EntriesIn(model.FindFolder("a"))[3].File, &file);

    EXPECT_TRUE(model.RemoveEntry("A/Y.TXT"));
    EXPECT_TRUE(model.RemoveEntry("a/*new.txt"));
    EXPECT_FALSE(model.RemoveEntry("a/y.txt"));
    EXPECT_FALSE(model.RemoveEntry("b/x.txt"));
    EXPECT_FALSE(model.RemoveEntry("x.txt"));
    EXPECT_EQ(Listed(model, "a"), (std::vector<std::string>{"x.txt", "z.txt", "w.txt"}));

    // An entry for a folder not yet there brings the folder.
    model.AddEntry("c/d/*added.txt", nullptr);
    EXPECT_EQ(Listed(model, "c/d"), (std::vector<std::string>{"*added.txt"}));
    EXPECT_NE(model.FindFolder("c"), TFolderModel::kNoFolder);
}

// Entries whose names differ only in case are told apart by their files.
TEST(FolderModel, RemovingAnEntryOfAGivenFileLeavesItsNamesakesAlone) {
    TFolderModel model;
    const TRFAFile lower = MakeRFAFile("a/x.txt", 1, 2, 3, 0, 5);
    const TRFAFile upper = MakeRFAFile("a/X.TXT", 1, 2, 3, 1, 5);
    model.AddEntry("a/x.txt", &lower);
    model.AddEntry("a/X.TXT", &upper);
    model.AddEntry("a/*new.txt", nullptr);
    model.AddEntry("a/*NEW.TXT", nullptr);

    EXPECT_TRUE(model.RemoveEntry("a/X.TXT", &upper));
    EXPECT_TRUE(model.RemoveEntry("A/*NEW.TXT", nullptr));
    EXPECT_FALSE(model.RemoveEntry("a/x.txt", &upper));
    EXPECT_FALSE(model.RemoveEntry("a/x.txt", nullptr));
    ASSERT_EQ(Listed(model, "a"), (std::vector<std::string>{"x.txt", "*new.txt"}));
    EXPECT_EQ(model.EntriesIn(model.FindFolder("a"))[0].File, &lower);
}

TEST(FolderModel, RemovingAFolderRemovesWhatIsBelowItOnly) {
    TFolderModel model = Load({"a/b/c/1.txt", "a/b/2.txt", "a/bc/3.txt", "a/4.txt"});
    const std::vector<FolderId> removed = model.RemoveFolderTree("A/B");
    EXPECT_EQ(Paths(model, removed), (std::vector<std::string>{"a/b", "a/b/c"}));
    EXPECT_EQ(model.FindFolder("a/b"), TFolderModel::kNoFolder);
    EXPECT_EQ(model.FindFolder("a/b/c"), TFolderModel::kNoFolder);
    EXPECT_TRUE(model.EntriesIn(removed[0]).empty());
    EXPECT_EQ(Listed(model, "a/bc"), (std::vector<std::string>{"3.txt"}));
    EXPECT_EQ(Listed(model, "a"), (std::vector<std::string>{"4.txt"}));
    EXPECT_EQ(model.FolderCount(), 2u);

    // The folder can be made again, as new.
    EXPECT_EQ(Paths(model, model.AddFolder("a/b")), (std::vector<std::string>{"a/b"}));
    EXPECT_TRUE(Listed(model, "a/b").empty());
}

TEST(FolderModel, ManyFoldersStayFindable) {
    // Enough folders to grow the hash table several times.
    TFolderModel model;
    for (int i = 0; i < 5000; ++i) model.AddFolderPath("root/folder" + std::to_string(i) + "/file.txt");
    EXPECT_EQ(model.FolderCount(), 5001u);
    for (int i = 0; i < 5000; i += 7) {
        const FolderId id = model.FindFolder("ROOT/FOLDER" + std::to_string(i));
        ASSERT_NE(id, TFolderModel::kNoFolder);
        EXPECT_EQ(model.FolderPath(id), "root/folder" + std::to_string(i));
    }
    EXPECT_EQ(model.FindFolder("root/folder5000"), TFolderModel::kNoFolder);
    model.Clear();
    EXPECT_EQ(model.FolderCount(), 0u);
    EXPECT_EQ(model.FindFolder("root"), TFolderModel::kNoFolder);
}

}  // namespace
}  // namespace quillon::test
