#include "uninstaller/log/WindowsLogSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/tests/FakeLogHost.h"
#include "uninstaller/log/tests/StoreDump.h"

namespace {

const char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// A folder with a long name (so that it has a short form) in the prefix's temporary folder.
class WindowsLogSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
    folder = std::string(temp) + "Install Log Reader Folder " + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    presentFile = folder + "\\present library.dll";
    std::ofstream(presentFile) << "x";
    char shortFolder[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(folder.c_str(), shortFolder, sizeof shortFolder), 0u);
    shortForm = shortFolder;
    ASSERT_NE(shortForm, folder);  // the long name has a distinct short form
  }
  void TearDown() override {
    FreeItemStore();
    DeleteFileA(presentFile.c_str());
    DeleteFileA((folder + "\\INSTALL.LOG").c_str());
    RemoveDirectoryA(folder.c_str());
  }

  WindowsLogSystem system;
  std::string folder;
  std::string shortForm;
  std::string presentFile;
};

TEST_F(WindowsLogSystemTest, AnswersTheReadersQueries) {
  EXPECT_TRUE(system.FileExists(presentFile.c_str()));
  EXPECT_FALSE(system.FileExists((folder + "\\missing.dll").c_str()));
  EXPECT_FALSE(system.FileExists(folder.c_str()));

  char converted[MAX_PATH];
  ASSERT_TRUE(system.ShortPathOf((folder + "\\").c_str(), converted, sizeof converted));
  EXPECT_EQ(converted, shortForm + "\\");
  ASSERT_TRUE(system.LongPathOf(converted, converted, sizeof converted));
  EXPECT_EQ(converted, folder + "\\");
  // Patterns and missing files stay as they are.
  ASSERT_TRUE(system.ShortPathOf((folder + "\\*.log").c_str(), converted, sizeof converted));
  EXPECT_EQ(converted, folder + "\\*.log");
  char tooSmall[8];
  EXPECT_FALSE(system.ShortPathOf(folder.c_str(), tooSmall, sizeof tooSmall));
  EXPECT_STREQ(tooSmall, "");

  char windows[MAX_PATH];
  char systemDirectory[MAX_PATH];
  ASSERT_TRUE(system.WindowsDirectory(windows, sizeof windows));
  ASSERT_TRUE(system.SystemDirectory(systemDirectory, sizeof systemDirectory));
  EXPECT_EQ(std::string(systemDirectory).rfind(windows, 0), 0u);
  EXPECT_TRUE(system.IsNtFamily());
  EXPECT_TRUE(system.HasShell());
  EXPECT_TRUE(system.CanManageServices());

  unsigned char upper[256];
  system.UpperCaseTable(upper);
  EXPECT_EQ(upper['a'], 'A');
  EXPECT_EQ(upper['A'], 'A');
  EXPECT_EQ(upper['\\'], '\\');
  if (GetACP() == 1252) {
    EXPECT_EQ(upper[0xE9], 0xC9);
  }
  char oem[] = "m\x81ll";
  system.ConvertFromOem(oem);
  if (GetOEMCP() == 437 && GetACP() == 1252) {
    EXPECT_STREQ(oem, "m\xFCll");
  }
}

TEST_F(WindowsLogSystemTest, SharedDllCounterIsAValueNamedAsThePath) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  DWORD count = 1;
  ASSERT_EQ(RegSetValueExA(key, presentFile.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&count), sizeof count),
            ERROR_SUCCESS);
  EXPECT_TRUE(system.HasSharedDllCounter(presentFile.c_str()));
  std::string otherCase = presentFile;
  CharLowerBuffA(&otherCase[0], static_cast<DWORD>(otherCase.size()));
  EXPECT_TRUE(system.HasSharedDllCounter(otherCase.c_str()));
  EXPECT_FALSE(system.HasSharedDllCounter((folder + "\\other.dll").c_str()));
  RegDeleteValueA(key, presentFile.c_str());
  RegCloseKey(key);
}

TEST_F(WindowsLogSystemTest, ReadsALogInTheTemporaryFolder) {
  char systemDirectory[MAX_PATH];
  GetSystemDirectoryA(systemDirectory, sizeof systemDirectory);
  std::string systemFile = std::string(systemDirectory) + "\\kernel32.dll";
  std::string logPath = folder + "\\INSTALL.LOG";
  std::ofstream(logPath, std::ios::binary) << "***  Installation Started\r\nTitle: Wine Test Installation\r\n"
                                           << "File Copy: " << presentFile << "\r\n"
                                           << "File Copy: " << folder << "\\missing.dll\r\n"
                                           << "File Copy: " << systemFile << "\r\n"
                                           << "Made Dir: " << folder << "\\Data\r\n";
  FakeLogUi ui;
  AllocateItemTables();
  char top[MAX_PATH];
  ASSERT_EQ(ReadInstallLog(logPath.c_str(), top, sizeof top, system, ui), 0);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.title, "Wine Test");
  EXPECT_EQ(top, shortForm + "\\");
  std::vector<std::string> expected = {
      "P " + presentFile + " copy=1 bsec=1 counted=1x1 created",
      "S " + systemFile + " copy=1 bsec=1 counted=1x1 created",
      "R " + folder + "\\missing.dll sec=1",
      "DIR " + folder + "\\ named=1",  // the log's folder, named again by "Made Dir: "
  };
  EXPECT_EQ(DumpStore(), expected);
  ASSERT_FALSE(ui.progress.empty());
  EXPECT_EQ(ui.progress.back(), ui.progressSize);
}

}  // namespace
