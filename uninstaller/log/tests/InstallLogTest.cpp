#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/log/tests/LogTestSupport.h"

namespace {

using InstallLogTest = LogTest;
using Messages = std::vector<std::pair<int, int>>;

const Messages kInvalid = {{kMsgInvalidLog, kCaptionUninstallTitle}};

TEST_F(InstallLogTest, HeaderNeedsASectionLineAndATitleLine) {
  const struct {
    const char* name;
    std::string text;
    int result;
    const char* title;
  } cases[] = {
      {"empty file", "", 1, ""},
      {"no section line first", "Title: App\n*** x\n", 1, ""},
      {"four asterisks", "**** x\nTitle: App\n", 1, ""},
      {"no title line", "*** x\nFile Copy: C:\\a\n", 1, ""},
      {"title tag is case-sensitive", "*** x\ntitle: App\n", 1, ""},
      {"lines before the title are skipped", "*** x\nSome line\n*** y\nTitle: Great App\n", 0, "Great App"},
      {"a trailing INSTALLATION and then INSTALL are removed", "*** x\nTitle: Great App install installation\n", 0,
       "Great App"},
      {"only at the end", "*** x\nTitle: Great Installation Install\n", 0, "Great Installation"},
      {"a bare title tag", "*** x\nTitle:\n", 0, ""},
      {"a title too long is shortened", "*** x\nTitle: " + std::string(300, 't') + "\n", 0, nullptr},
  };
  for (const auto& c : cases) {
    CASE_TRACE(c);
    ui = FakeLogUi();
    ASSERT_EQ(Read(c.text, ""), c.result);
    EXPECT_EQ(ui.messages, c.result ? kInvalid : Messages());
    std::string title = c.title ? c.title : std::string(255, 't');
    EXPECT_EQ(g_itemStore.productTitle, title);
    if (c.result == 0) {
      EXPECT_EQ(ui.title, title);
    }
  }
}

TEST_F(InstallLogTest, SectionsCountRunsAndMarkTheRollbackPoint) {
  const std::string text = "***  first\nTitle: App\nFile Copy: C:\\a\n***  second\nTitle: App 2 Installation\n*** third\n";
  ASSERT_EQ(Read(text, ""), 0);
  EXPECT_EQ(g_itemStore.lastSection, 3);
  EXPECT_EQ(g_itemStore.truncationOffset, WithCrLf(text).find("*** third"));
  EXPECT_EQ(g_itemStore.ansi, 0);
  EXPECT_STREQ(g_itemStore.productTitle, "App 2");

  ASSERT_EQ(Read("", "***  only\nTitle: App\n"), 0);
  EXPECT_EQ(g_itemStore.lastSection, 1);
  EXPECT_EQ(g_itemStore.truncationOffset, 0u);
  EXPECT_EQ(g_itemStore.ansi, 1);
}

// Sections are 16-bit in every record: a log with more runs is refused rather than wrapped.
TEST_F(InstallLogTest, SectionCounterNeverWraps) {
  std::string body;
  for (int section = 2; section <= 0xFFFF; ++section) body += "*** run\n";
  ASSERT_EQ(Read(body), 0);
  EXPECT_EQ(g_itemStore.lastSection, 0xFFFF);

  ASSERT_EQ(Read(body + "*** one run too many\n"), 1);
  EXPECT_EQ(ui.messages, kInvalid);
}

TEST_F(InstallLogTest, TablesGrowPastTheirFirstCapacity) {
  std::string body;
  for (int i = 0; i < 3000; ++i) {
    std::string path = "C:\\App\\file" + std::to_string(i) + ".dll";
    system.existingFiles.insert(path);
    body += "File Copy: " + path + "\n";
    if (i % 10 == 0) body += "Create Service: service" + std::to_string(i) + "\n";
  }
  for (int section = 2; section <= 40; ++section) body += "*** run\nSource: D:\\setup" + std::to_string(section) + ".exe\n";
  body += "File Copy: C:\\App\\file2999.dll\nFile Copy: C:\\App\\file0.dll\n";
  ASSERT_EQ(Read(body), 0);
  ASSERT_EQ(g_itemStore.privateFiles.count, 3000u);
  ASSERT_EQ(g_itemStore.services.count, 300u);
  EXPECT_STREQ(g_itemStore.privateFiles[1234]->path, "C:\\App\\file1234.dll");
  EXPECT_EQ(g_itemStore.privateFiles[0]->countedCopies, 2);
  EXPECT_EQ(g_itemStore.privateFiles[2999]->lastCopySection, 40);
  EXPECT_STREQ(SourceOfSection(40), "D:\\setup40.exe");
  EXPECT_EQ(SourceOfSection(1), nullptr);
  EXPECT_EQ(SourceOfSection(41), nullptr);
}

// Files, created and changed registry values and INI entries are looked up through indexes: a
// second run that logs the same items in another order finds every one of them.
TEST_F(InstallLogTest, EveryIndexFindsItsRecordsInALaterRun) {
  const int count = 500;
  auto run = [&](int i) {
    std::string n = std::to_string(i * 7919 % 1000);
    std::string path = "C:\\App\\dir" + std::to_string(i % 9) + "\\file" + n + ".dll";
    system.existingFiles.insert(path);
    return "File Copy: " + path + "\nRegDB Key: Software\\App\\" + n + "\nRegDB Val: 1\nRegDB Root: 2\n" +
           "RegDB Key: Software\\Other\nRegDB Val: 2\nRegDB Name: " + n + "\nRegDB Old: 1\n" +
           "INI File: C:\\WINDOWS\\win.ini\nINI Sect: S" + std::to_string(i % 3) + "\nINI Item: " + n +
           "\nINI Val: v\nINI Old: o\n";
  };
  std::string body;
  for (int i = 0; i < count; ++i) body += run(i);
  body += "*** second run\n";
  for (int i = count - 1; i >= 0; --i) body += run((i * 37) % count);
  ASSERT_EQ(Read(body), 0);
  const ItemStore& s = g_itemStore;
  ASSERT_EQ(s.privateFiles.count, unsigned(count));
  ASSERT_EQ(s.registryKeys.count, unsigned(count));
  ASSERT_EQ(s.registryEdits.count, unsigned(count));
  ASSERT_EQ(s.iniItems.count, unsigned(count));
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(s.privateFiles[i]->countedCopies, 2) << s.privateFiles[i]->path;
    EXPECT_EQ(s.registryKeys[i]->section, 2) << s.registryKeys[i]->keyPath;
    EXPECT_EQ(s.registryEdits[i]->section, 2) << s.registryEdits[i]->valueName;
    EXPECT_EQ(s.iniItems[i]->section, 2) << s.iniItems[i]->itemName;
  }
}

TEST_F(InstallLogTest, ProgressFollowsTheBlocksRead) {
  std::string body;
  for (int i = 0; i < 3000; ++i) body += "Unknown line " + std::to_string(i) + "\n";
  ASSERT_EQ(Read(body), 0);
  ASSERT_GE(ui.progress.size(), 3u);
  for (std::size_t i = 1; i < ui.progress.size(); ++i) EXPECT_LT(ui.progress[i - 1], ui.progress[i]);
  EXPECT_EQ(ui.progress.back(), text.size());
  EXPECT_EQ(ui.progressSize, text.size());
}

struct SingleCase {
  const char* name;
  std::string body;
  std::vector<std::string> records;
};

TEST_F(InstallLogTest, ServicesProgramsIconsAndSources) {
  const SingleCase cases[] = {
      {"services merge by name", "Create Service: AppSvc\n*** second run\nCreate Service: APPSVC\n",
       {"SERVICE AppSvc sec=2"}},
      {"programs merge by command line and keep their first name",
       "Execute Path: C:\\App\\setup.exe /cleanup\nExecute Name: Clean up\nExecute Program: C:\\App\\tool.exe\n"
       "*** second run\nExecute Program: c:\\app\\SETUP.EXE /cleanup\nExecute Name: Other\n",
       {"EXEC C:\\App\\setup.exe /cleanup name=Clean up sec=2", "EXEC C:\\App\\tool.exe sec=1"}},
      {"a display name too long is shortened",
       "Execute Program: C:\\App\\tool.exe\nExecute Name: " + std::string(300, 'n') + "\n",
       {"EXEC C:\\App\\tool.exe name=" + std::string(255, 'n') + " sec=1"}},
      {"icons merge by group and name: the command changes, the section stays",
       "Icon Group: Games\nIcon Name: App\nIcon Cmd: C:\\App\\app.exe\n*** second run\n"
       "Icon Group: GAMES\nIcon Name: app\nIcon Cmd: C:\\App2\\app.exe\n",
       {"ICON Games/App cmd=C:\\App2\\app.exe sec=1"}},
      {"an incomplete icon is dropped", "Icon Group: Games\nIcon Name: App\nMade Dir: C:\\App\n", {"DIR C:\\App\\ named=1"}},
      {"one source per section, the last of a section wins",
       "Source: D:\\old.exe\nSource: D:\\setup.exe\n*** second run\nSource: E:\\setup.exe | 01-02-2003 | 10:11:12 | 99\n",
       {"SOURCE 1 D:\\setup.exe", "SOURCE 2 E:\\setup.exe | 01-02-2003 | 10:11:12 | 99"}},
  };
  for (const SingleCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(InstallLogTest, SingleValuesOfTheLog) {
  ASSERT_EQ(Read("Uninstall MIF: app.mif\nManufacturer: " + std::string(200, 'm') +
                 "\nProduct: Great App\nVersion Number: 1.2\nSerial Number: 42\nSubSystem: BDE 4\nSubSystem: BDE 5\n"
                 "Per-User ID: S-1-5-21\nDelete in-use files: On\nSystem Restore: Enabled\nSource: D:\\setup.exe\n"),
            0);
  const ItemStore& s = g_itemStore;
  EXPECT_STREQ(s.mifFile, "app.mif");
  EXPECT_EQ(std::string(s.manufacturer), std::string(127, 'm'));
  EXPECT_STREQ(s.product, "Great App");
  EXPECT_STREQ(s.versionNumber, "1.2");
  EXPECT_STREQ(s.serialNumber, "42");
  EXPECT_STREQ(s.subSystemName, "BDE 5");
  EXPECT_STREQ(s.perUserId, "S-1-5-21");
  EXPECT_EQ(s.deleteInUseFiles, 1);
  EXPECT_EQ(s.systemRestore, 1);
  EXPECT_EQ(s.repairPossible, 0);
  EXPECT_EQ(s.backupsExist, 0);

  // A MIF file name too long is a different file when cut: it is not taken.
  ASSERT_EQ(Read("Uninstall MIF: " + std::string(128, 'f') + "\nDelete in-use files: Off\nSubSystem: Other\n"
                 "Source: D:\\setup.exe | 01-02-2003\n"),
            0);
  EXPECT_STREQ(s.mifFile, "");
  EXPECT_EQ(s.deleteInUseFiles, 0);
  EXPECT_EQ(s.subSystemName, nullptr);
  EXPECT_EQ(s.repairPossible, 1);
}

TEST_F(InstallLogTest, AdministratorLogsNeedTheServiceManagerOnNt) {
  const struct {
    const char* name;
    bool nt;
    bool canManage;
    int result;
    Messages messages;
    int checks;
  } cases[] = {
      {"NT without rights", true, false, 1, {{kMsgNeedsAdmin, kCaptionUninstall}}, 1},
      {"NT with rights, checked once", true, true, 0, {}, 1},
      {"not NT", false, false, 0, {}, 0},
  };
  for (const auto& c : cases) {
    CASE_TRACE(c);
    system.nt = c.nt;
    system.canManageServices = c.canManage;
    system.serviceManagerChecks = 0;
    ui = FakeLogUi();
    ASSERT_EQ(Read("User Rights: Admin\nUser Rights: Admin\nUser Rights: Administrator\n"), c.result);
    EXPECT_EQ(ui.messages, c.messages);
    EXPECT_EQ(system.serviceManagerChecks, c.checks);
  }
}

class InstallLogFileTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    folder = std::filesystem::temp_directory_path() / ("install-log-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    LogTest::TearDown();
  }
  std::filesystem::path folder;
};

TEST_F(InstallLogFileTest, ReadsTheFileAndGivesTheTopDirectory) {
  std::string logPath = (folder / "INSTALL.LOG").string();
  std::ofstream(logPath, std::ios::binary) << WithCrLf(std::string(kAnsiHeader) + "Create Service: AppSvc\n");
  char top[260] = "stale";
  ASSERT_EQ(ReadInstallLog(logPath.c_str(), top, sizeof top, system, ui), 0);
  EXPECT_EQ(DumpStore().back(), "SERVICE AppSvc sec=1");
  std::string expectedTop = logPath.substr(0, logPath.find_last_of('\\') + 1);
  EXPECT_EQ(top, expectedTop);
  EXPECT_TRUE(ui.messages.empty());

  char small[4] = "old";
  ASSERT_EQ(ReadInstallLog(logPath.c_str(), small, sizeof small, system, ui), 0);
  EXPECT_STREQ(small, expectedTop.size() < sizeof small ? expectedTop.c_str() : "");
}

TEST_F(InstallLogFileTest, AFileThatCannotBeOpenedIsReported) {
  char top[260];
  std::string missing = (folder / "MISSING.LOG").string();
  ASSERT_EQ(ReadInstallLog(missing.c_str(), top, sizeof top, system, ui), 1);
  EXPECT_EQ(ui.messages, (Messages{{kMsgCannotOpenLog, kCaptionUninstallTitle}}));
}

}  // namespace
