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

}  // namespace
