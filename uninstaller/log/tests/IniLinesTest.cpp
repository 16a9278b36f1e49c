#include <string>
#include <vector>

#include "uninstaller/log/tests/LogTestSupport.h"

namespace {

class IniLinesTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    system.existingFiles = {"C:\\App\\app.ini", "A:\\app.ini"};
  }
};

struct IniCase {
  const char* name;
  std::string body;
  std::vector<std::string> records;
};

std::string Entry(const char* file, const char* section, const char* item, const char* old) {
  std::string text = std::string("INI File: ") + file + "\nINI Sect: " + section + "\nINI Item: " + item + "\nINI Val: new\n";
  if (old) text += std::string("INI Old: ") + old + "\n";
  return text;
}

TEST_F(IniLinesTest, EntriesAndCreatedFiles) {
  const IniCase cases[] = {
      {"an entry with its old value", Entry("C:\\WINDOWS\\win.ini", "Options", "Color", "blue"),
       {"INI C:\\WINDOWS\\win.ini [Options] Color first=\"blue\" latest=\"blue\" sec=1"}},
      {"an entry without old value did not exist", Entry("C:\\WINDOWS\\win.ini", "Options", "Color", nullptr),
       {"INI C:\\WINDOWS\\win.ini [Options] Color first=\"\" latest=\"\" sec=1"}},
      {"a later run's change takes its section and old value, the first old value stays",
       Entry("C:\\WINDOWS\\win.ini", "Options", "Color", "blue") + "*** second run\n" +
           Entry("c:\\windows\\WIN.INI", "OPTIONS", "color", "red"),
       {"INI C:\\WINDOWS\\win.ini [Options] Color first=\"blue\" latest=\"red\" sec=2"}},
      {"entries differ by section and by item",
       Entry("C:\\w.ini", "A", "X", "1") + Entry("C:\\w.ini", "B", "X", "2") + Entry("C:\\w.ini", "A", "Y", "3"),
       {"INI C:\\w.ini [A] X first=\"1\" latest=\"1\" sec=1", "INI C:\\w.ini [B] X first=\"2\" latest=\"2\" sec=1",
        "INI C:\\w.ini [A] Y first=\"3\" latest=\"3\" sec=1"}},
      {"an incomplete entry is dropped at the first line that does not fit",
       "INI File: C:\\w.ini\nINI Sect: A\nMade Dir: C:\\App\nINI File: C:\\w.ini\nINI Sect: A\nINI Item: X\nINI File: C:\\v.ini\n",
       {"DIR C:\\App\\ named=1"}},
      {"entries on a removable A: are not recorded", Entry("A:\\app.ini", "S", "I", "x"), {}},
      {"an item name too long for its field drops the entry",
       Entry("C:\\w.ini", "S", std::string(256, 'i').c_str(), "x") + Entry("C:\\w.ini", "S", "I", "x"),
       {"INI C:\\w.ini [S] I first=\"x\" latest=\"x\" sec=1"}},
      {"a created file is recorded and its entries skipped up to the next INI file",
       "INI New: \nINI File: C:\\App\\app.ini\nINI Sect: S\nINI Item: I\nINI Val: v\n" + Entry("C:\\w.ini", "S", "I", "o"),
       {"INIFILE C:\\App\\app.ini sec=1", "INI C:\\w.ini [S] I first=\"o\" latest=\"o\" sec=1"}},
      {"created files no longer present or on A: are not recorded, their entries still skipped",
       "INI New: \nINI File: C:\\App\\gone.ini\nINI Sect: S\nINI Item: I\nINI Val: v\n"
       "INI New: \nINI File: A:\\app.ini\nINI Sect: S\nINI Item: I\nINI Val: v\nMade Dir: C:\\App\n",
       {"DIR C:\\App\\ named=1"}},
      {"a created file logged again takes the later section",
       "INI New: \nINI File: C:\\App\\app.ini\n*** second run\nINI New: \nINI File: C:\\APP\\APP.INI\n",
       {"INIFILE C:\\App\\app.ini sec=2"}},
  };
  for (const IniCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

}  // namespace
