#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "uninstaller/log/tests/LogTestSupport.h"

namespace {

class DirectoryLinesTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    system.shortNames = {{"C:\\Program Files", "C:\\PROGRA~1"}};
  }
};

struct DirectoryCase {
  const char* name;
  std::string body;
  std::vector<std::string> records;
};

TEST_F(DirectoryLinesTest, MadeDirAndFileTreeRecords) {
  const DirectoryCase cases[] = {
      {"a created folder gets a trailing backslash", "Made Dir: C:\\App\nMade Dir: C:\\Other\\\n",
       {"DIR C:\\App\\ named=1", "DIR C:\\Other\\ named=1"}},
      {"a subfolder joins its parent's record; a parent created later cuts the record to itself",
       "Made Dir: C:\\App\\Data\nMade Dir: C:\\App\\Data\\Sub\nMade Dir: C:\\AppX\n*** second run\nMade Dir: C:\\APP\n",
       {"DIR C:\\App\\ named=2", "DIR C:\\AppX\\ named=1"}},
      {"drive roots, relative folders and other forms are ignored; shares are folders",
       "Made Dir: C:\nMade Dir: App\\Data\nMade Dir: 1:\\x\nMade Dir: \\\\server\\share\\App\n",
       {"DIR \\\\server\\share\\App\\ named=1"}},
      {"a folder too long for its field is dropped", "Made Dir: C:\\" + std::string(256, 'd') + "\nMade Dir: C:\\App\n",
       {"DIR C:\\App\\ named=1"}},
      {"a file tree loses a trailing \\*.*; a pattern keeps its name",
       "File Tree: C:\\App\\Cache\\*.*\nFile Tree: C:\\App\\Logs\\*.log\nFile Tree: C:\\App\\Temp\n",
       {"DIR C:\\App\\Cache\\ named=1 tree=1", "DIR C:\\App\\Logs\\*.log named=1 tree=1", "DIR C:\\App\\Temp\\ named=1 tree=1"}},
      {"a file tree of a created folder makes that record a tree",
       "Made Dir: C:\\App\n*** second run\nFile Tree: c:\\app\\*.*\n", {"DIR C:\\App\\ named=2 tree=2"}},
      {"a created parent never widens a file tree record",
       "File Tree: C:\\App\\Logs\\*.log\nFile Tree: C:\\App\\Data\\*.*\nMade Dir: C:\\App\nMade Dir: C:\\App\\Data\\Sub\n",
       {"DIR C:\\App\\Logs\\*.log named=1 tree=1", "DIR C:\\App\\Data\\ named=1 tree=1", "DIR C:\\App\\ named=1"}},
      {"a file tree of a folder that is only a parent of a record adds its own",
       "Made Dir: C:\\App\\Data\nFile Tree: C:\\App\\*.*\n", {"DIR C:\\App\\Data\\ named=1", "DIR C:\\App\\ named=1 tree=1"}},
  };
  for (const DirectoryCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(DirectoryLinesTest, LogFolderIsADirectoryUnlessItIsASystemFolder) {
  const struct {
    const char* logPath;
    std::vector<std::string> records;
  } cases[] = {
      {"C:\\Program Files\\App\\INSTALL.LOG", {"DIR C:\\Program Files\\App\\ named=32767"}},
      {"C:\\PROGRA~1\\App\\INSTALL.LOG", {"DIR C:\\Program Files\\App\\ named=32767"}},
      {"C:\\WIN\\INSTALL.LOG", {"DIR C:\\WIN\\ named=32767"}},
      {"C:\\WINDOWS\\INSTALL.LOG", {}},
      {"c:\\windows\\system32\\INSTALL.LOG", {}},
      {"C:\\INSTALL.LOG", {}},
      {"INSTALL.LOG", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.logPath);
    ASSERT_EQ(Read("", kAnsiHeader, c.logPath), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(DirectoryLinesTest, TopDirectoryRisesToTheHighestCreatedFolderAboveTheLog) {
  const struct {
    const char* name;
    std::string body;
    const char* top;
  } cases[] = {
      {"no folder created", "", "C:\\PROGRA~1\\App\\Data\\"},
      {"a parent of the log's folder", "Made Dir: C:\\Program Files\\App\n", "C:\\PROGRA~1\\App\\"},
      {"folders elsewhere or below", "Made Dir: C:\\Other\nMade Dir: C:\\Program Files\\App\\Data\\Sub\n",
       "C:\\PROGRA~1\\App\\Data\\"},
      {"a drive root is no created folder", "Made Dir: C:\\\n", "C:\\PROGRA~1\\App\\Data\\"},
  };
  for (const auto& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body, kAnsiHeader, "C:\\Program Files\\App\\Data\\INSTALL.LOG"), 0);
    EXPECT_STREQ(g_itemStore.topDirectory, c.top);
  }
}

// Random logs against the merging rules applied record by record, in log order: "Made Dir: "
// joins the first record that is no file tree and agrees with the folder over the shorter
// length (cutting it to that length); "File Tree: " takes the first record of exactly its path.
TEST_F(DirectoryLinesTest, IndexedMergingAgreesWithTheRecordByRecordRules) {
  struct Model {
    std::string path;
    bool tree;
    int named;
  };
  auto upper = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  };
  std::mt19937 random(1942);
  const char* const parts[] = {"a", "B", "ab", "c"};
  for (int round = 0; round < 300; ++round) {
    std::string body;
    std::vector<Model> model;
    int section = 1;
    for (int line = 0; line < 30; ++line) {
      std::string folder = "C:\\X";
      for (int depth = static_cast<int>(random() % 4); depth >= 0; --depth) folder += std::string("\\") + parts[random() % 4];
      folder += "\\";
      std::string key = upper(folder);
      switch (random() % 5) {
        case 0:
          body += "*** run\n";
          ++section;
          break;
        case 1:
        case 2: {
          body += "File Tree: " + folder.substr(0, folder.size() - 1) + "\n";
          auto same = std::find_if(model.begin(), model.end(), [&](const Model& m) { return upper(m.path) == key; });
          if (same == model.end()) same = model.insert(model.end(), Model{folder, false, 0});
          same->tree = true;
          same->named = section;
          break;
        }
        default: {
          body += "Made Dir: " + folder + "\n";
          auto merged = std::find_if(model.begin(), model.end(), [&](const Model& m) {
            std::size_t shorter = std::min(m.path.size(), folder.size());
            return !m.tree && upper(m.path).compare(0, shorter, key, 0, shorter) == 0;
          });
          if (merged == model.end()) {
            model.push_back(Model{folder, false, section});
          } else {
            merged->path.resize(std::min(merged->path.size(), folder.size()));
            merged->named = section;
          }
        }
      }
    }
    SCOPED_TRACE(body);
    ASSERT_EQ(Read(body), 0);
    ASSERT_EQ(g_itemStore.directories.count, model.size());
    for (unsigned i = 0; i < model.size(); ++i) {
      const DirectoryRecord& record = *g_itemStore.directories[i];
      EXPECT_EQ(record.path, model[i].path) << i;
      EXPECT_EQ(record.fileTreeSection != 0, model[i].tree) << i;
      EXPECT_EQ(record.namedSection, model[i].named) << i;
    }
    if (HasFailure()) return;
  }
}

}  // namespace
