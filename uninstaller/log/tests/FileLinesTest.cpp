#include <string>
#include <vector>

#include "uninstaller/log/tests/LogTestSupport.h"

namespace {

const std::string kData = " 01-02-2003 | 10:11:12 | 0 | 1234 | 0badf00d";

class FileLinesTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    system.existingFiles = {"C:\\App\\a.dll",
                            "C:\\App\\b.exe",
                            "C:\\App\\app.lnk",
                            "C:\\WINDOWS\\SYSTEM32\\shared.dll",
                            "C:\\WINDOWS\\SYSTEM32\\Sub\\x.dll",
                            "C:\\WINDOWS\\win.dll",
                            "C:\\WINDOWS\\SYSTEM32\\WIN32S\\w.dll",
                            "A:\\setup.exe",
                            "B:\\x.dll",
                            "C:\\PROGRA~1\\App\\c.dll",
                            "C:\\Users\\joe\\Start Menu\\a.lnk",
                            "C:\\Users\\All Users\\Start Menu\\b.lnk"};
    system.shortNames = {{"C:\\Program Files", "C:\\PROGRA~1"}};
  }
};

struct FileCase {
  const char* name;
  std::string body;
  std::vector<std::string> records;
};

TEST_F(FileLinesTest, FileLinesAreClassifiedAndMerged) {
  const FileCase cases[] = {
      {"a present file copied is private and created by the installation",
       "File Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created"}},
      {"two runs copying the same file make one record counted twice",
       "File Copy: C:\\App\\a.dll\n*** second run\nFile Copy: C:\\APP\\A.DLL\n",
       {"P C:\\App\\a.dll copy=2 bsec=1 counted=2x2 created"}},
      {"a copy marked as not counted keeps the earlier count",
       "File Copy: C:\\App\\a.dll\n*** second run\nShared DLL counter ignored:\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=2 bsec=1 counted=1x1 created"}},
      {"a mark applies to the next line only",
       "Shared DLL counter ignored:\nMade Dir: C:\\Logs\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created", "DIR C:\\Logs\\ named=1"}},
      {"files directly in a system directory are system files, in their subfolders private",
       "File Copy: C:\\WINDOWS\\SYSTEM32\\shared.dll\nFile Copy: C:\\WINDOWS\\SYSTEM32\\Sub\\x.dll\n"
       "File Copy: C:\\WINDOWS\\win.dll\nFile Copy: C:\\WINDOWS\\SYSTEM32\\WIN32S\\w.dll\n",
       {"P C:\\WINDOWS\\SYSTEM32\\Sub\\x.dll copy=1 bsec=1 counted=1x1 created",
        "S C:\\WINDOWS\\SYSTEM32\\shared.dll copy=1 bsec=1 counted=1x1 created",
        "S C:\\WINDOWS\\win.dll copy=1 bsec=1 counted=1x1 created",
        "S C:\\WINDOWS\\SYSTEM32\\WIN32S\\w.dll copy=1 bsec=1 counted=1x1 created"}},
      {"the non-system mark selects a new system file only",
       "Non-System File:\nFile Copy: C:\\WINDOWS\\SYSTEM32\\shared.dll\nNon-System File:\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created",
        "S C:\\WINDOWS\\SYSTEM32\\shared.dll copy=1 bsec=1 counted=1x1 created selected"}},
      {"an overwrite with a backup keeps it and was not created by the installation",
       "File Overwrite: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.dll\n",
       {"P C:\\App\\a.dll backup=C:\\Bak\\a.dll copy=1 bsec=1 counted=1x1"}},
      {"a later backup replaces the earlier one",
       "File Copy: C:\\App\\a.dll\n*** second run\nFile Copy: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.dll\n",
       {"P C:\\App\\a.dll backup=C:\\Bak\\a.dll copy=2 bsec=2 counted=2x2 created"}},
      {"an overwrite without backup is restore-only and kept only with repair data",
       "File Overwrite: C:\\App\\a.dll\nFile Overwrite: C:\\App\\b.exe |" + kData + "\n",
       {"R C:\\App\\b.exe sec=1 data=\"" + kData + "\""}},
      {"repair data shorter than 21 characters is none",
       "File Overwrite: C:\\App\\b.exe | 01-02-2003 | 10:11\n", {}},
      {"restore-only data goes to the installed private or system file",
       "File Copy: C:\\App\\a.dll\nFile Copy: C:\\WINDOWS\\SYSTEM32\\shared.dll\n*** second run\n"
       "File Overwrite: C:\\App\\a.dll |" + kData + "\nFile Overwrite: C:\\WINDOWS\\SYSTEM32\\shared.dll |" + kData + "\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created repair=2 data=\"" + kData + "\"",
        "S C:\\WINDOWS\\SYSTEM32\\shared.dll copy=1 bsec=1 counted=1x1 created repair=2 data=\"" + kData + "\""}},
      {"a file no longer present is restore-only, merged by path",
       "File Copy: C:\\App\\gone.dll\n*** second run\nFile Copy: C:\\APP\\GONE.DLL |" + kData + "\n",
       {"R C:\\App\\gone.dll sec=2 data=\"" + kData + "\""}},
      {"a removable A: drive holds restore-only files; B: is a fixed drive here",
       "File Copy: A:\\setup.exe |" + kData + "\nFile Copy: B:\\x.dll\n",
       {"P B:\\x.dll copy=1 bsec=1 counted=1x1 created", "R A:\\setup.exe sec=1 data=\"" + kData + "\""}},
      {"link info and backup copy lines belong to the file line",
       "Shell Link: C:\\App\\app.lnk\nLink Info: C:\\App\\b.exe|C:\\App||0|1|0|\nBackup Copy: C:\\Bak\\app.lnk\n",
       {"P C:\\App\\app.lnk backup=C:\\Bak\\app.lnk copy=1 bsec=1 counted=1x1 link=\"C:\\App\\b.exe|C:\\App||0|1|0|\""}},
      {"a line of another tag ends the block and is read by itself",
       "File Copy: C:\\App\\a.dll\nMade Dir: C:\\App\nBackup Copy: C:\\Bak\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created", "DIR C:\\App\\ named=1"}},
      {"link info after the backup copy is not part of the block",
       "File Copy: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.dll\nLink Info: x|y\n",
       {"P C:\\App\\a.dll backup=C:\\Bak\\a.dll copy=1 bsec=1 counted=1x1"}},
      {"add device and self-register mark the installed files of a later run",
       "File Copy: C:\\App\\a.dll\nFile Copy: C:\\WINDOWS\\SYSTEM32\\shared.dll\nFile Copy: C:\\PROGRA~1\\App\\c.dll\n"
       "*** second run\nAdd Device: c:\\app\\A.DLL\nAdd Device: C:\\WINDOWS\\SYSTEM32\\SHARED.DLL\n"
       "Self-Register: C:\\Program Files\\App\\C.DLL\nSelf-Register: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created selfreg=2 device=2",
        "P C:\\PROGRA~1\\App\\c.dll copy=1 bsec=1 counted=1x1 created selfreg=2",
        "S C:\\WINDOWS\\SYSTEM32\\shared.dll copy=1 bsec=1 counted=1x1 created device=2"}},
      {"another user's shortcut of a per-user installation is not recorded",
       "Per-User ID: joe\nShell Link: C:\\Users\\joe\\Start Menu\\a.lnk |" + kData +
           "\nShell Link: C:\\Users\\All Users\\Start Menu\\b.lnk\n",
       {"P C:\\Users\\All Users\\Start Menu\\b.lnk copy=1 bsec=1 counted=1x1 created"}},
      {"without a per-user id every shortcut is the installation's",
       "Shell Link: C:\\Users\\joe\\Start Menu\\a.lnk\n",
       {"P C:\\Users\\joe\\Start Menu\\a.lnk copy=1 bsec=1 counted=1x1 created"}},
  };
  system.startMenu = "C:\\Users\\joe\\Start Menu";
  system.commonStartMenu = "C:\\Users\\All Users\\Start Menu";
  for (const FileCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(FileLinesTest, SharedCounterMakesAnOverwriteACopyOnlyWithTheShell) {
  system.sharedDllCounters = {"C:\\App\\a.dll"};
  ASSERT_EQ(Read("File Overwrite: C:\\App\\a.dll |" + kData + "\n"), 0);
  EXPECT_EQ(DumpStore(),
            std::vector<std::string>{"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created data=\"" + kData + "\""});

  system.shell = false;
  ASSERT_EQ(Read("File Overwrite: C:\\App\\a.dll |" + kData + "\n"), 0);
  EXPECT_EQ(DumpStore(), std::vector<std::string>{"R C:\\App\\a.dll sec=1 data=\"" + kData + "\""});
}

TEST_F(FileLinesTest, BackupsMarkTheLogAsRollbackCapable) {
  const struct {
    const char* name;
    std::string body;
    int backupsExist;
  } cases[] = {
      {"plain copies", "File Copy: C:\\App\\a.dll\n", 0},
      {"a copy with a backup", "File Copy: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.dll\n", 1},
      {"a file edit", "File Edit: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.dll\n", 1},
      {"a file delete", "File Delete: C:\\App\\gone.dll\nBackup Copy: C:\\Bak\\gone.dll\n", 1},
  };
  for (const auto& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(g_itemStore.backupsExist, c.backupsExist);
  }
}

// A value longer than its field is never shortened into another path: the block is dropped and
// the reader goes on with the next line.
TEST_F(FileLinesTest, ValuesTooLongForTheirFieldDropTheBlock) {
  std::string longest = "C:\\App\\" + std::string(259 - 7, 'x');  // 259 characters: fits
  std::string tooLong = longest + "y";
  system.existingFiles.insert(longest);
  system.existingFiles.insert(tooLong);
  const FileCase cases[] = {
      {"path of 259 characters", "File Copy: " + longest + "\n", {"P " + longest + " copy=1 bsec=1 counted=1x1 created"}},
      {"path of 260 characters", "File Copy: " + tooLong + "\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created"}},
      {"backup path of 260 characters", "File Copy: C:\\App\\a.dll\nBackup Copy: " + tooLong + "\nFile Copy: C:\\App\\b.exe\n",
       {"P C:\\App\\b.exe copy=1 bsec=1 counted=1x1 created"}},
      {"repair data of 80 characters", "File Copy: C:\\App\\b.exe | " + std::string(79, '1') + "\n", {}},
      {"link info line longer than 2,047 characters",
       "Shell Link: C:\\App\\app.lnk\nLink Info: " + std::string(3000, 'i') + "\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created"}},
      {"add device path of 260 characters", "File Copy: " + longest + "\nAdd Device: " + tooLong + "\n",
       {"P " + longest + " copy=1 bsec=1 counted=1x1 created"}},
      {"a NUL byte inside the path", std::string("File Copy: C:\\App\\a.dll") + '\0' + ".txt\n", {}},
  };
  for (const FileCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(FileLinesTest, OemLogsConvertPathsBeforeLookingThemUp) {
  system.existingFiles.insert("C:\\App\\m\xFCll.dll");
  const struct {
    const char* name;
    std::string header;
    std::string body;
    std::vector<std::string> records;
  } cases[] = {
      {"an OEM log", kOemHeader, "File Copy: C:\\App\\m\x81ll.dll\n",
       {"P C:\\App\\m\xFCll.dll copy=1 bsec=1 counted=1x1 created"}},
      {"an ANSI log", kAnsiHeader, "File Copy: C:\\App\\m\x81ll.dll\n", {"R C:\\App\\m\x81ll.dll sec=1"}},
      {"an OEM run and then an ANSI run of the same file", kOemHeader,
       "File Copy: C:\\App\\m\x81ll.dll\n***  ANSI run\nFile Copy: C:\\APP\\M\xDCLL.DLL\n",
       {"P C:\\App\\m\xFCll.dll copy=2 bsec=1 counted=2x2 created"}},
  };
  for (const auto& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body, c.header), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

TEST_F(FileLinesTest, FileEditsAndDeletes) {
  const FileCase cases[] = {
      {"an edit of a present file with a backup",
       "File Edit: C:\\App\\a.dll\nBackup Copy: C:\\Bak\\a.1\n*** second run\nFile Edit: C:\\APP\\A.DLL\nBackup Copy: C:\\Bak\\a.2\n",
       {"EDIT C:\\App\\a.dll backup=C:\\Bak\\a.2 sec=2"}},
      {"edits without backup, of missing files or on A: are not recorded",
       "File Edit: C:\\App\\a.dll\nBackup Copy: \nFile Edit: C:\\App\\gone.dll\nBackup Copy: C:\\Bak\\g\n"
       "File Edit: A:\\setup.exe\nBackup Copy: C:\\Bak\\s\n",
       {}},
      {"a delete merges by path and takes the later backup",
       "File Delete: C:\\App\\gone.dll\nBackup Copy: C:\\Bak\\g.1\n*** second run\nFile Delete: c:\\app\\gone.dll\nBackup Copy: C:\\Bak\\g.2\n",
       {"DELETE C:\\App\\gone.dll backup=C:\\Bak\\g.2 sec=2"}},
      {"a delete without its backup line records nothing, and that line is read by itself",
       "File Delete: C:\\App\\gone.dll\nFile Copy: C:\\App\\a.dll\n",
       {"P C:\\App\\a.dll copy=1 bsec=1 counted=1x1 created"}},
      {"an edit without its backup line at the end of the log", "File Edit: C:\\App\\a.dll\n", {}},
  };
  for (const FileCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

}  // namespace
