#include <string>
#include <vector>

#include "uninstaller/log/tests/LogTestSupport.h"

namespace {

using RegistryLinesTest = LogTest;

struct RegistryCase {
  const char* name;
  std::string body;
  std::vector<std::string> records;
};

TEST_F(RegistryLinesTest, ValueBlocksBecomeKeysToRemoveOrEdits) {
  const RegistryCase cases[] = {
      {"a value without old values was created by the installation",
       "RegDB Key: Software\\Maker\\App\nRegDB Val: 1.0\nRegDB Name: Version\nRegDB Type: 0\nRegDB Root: 2\n",
       {"KEY 2:Software\\Maker\\App name=Version sec=1", "VALUE \"1.0\" type=0 -> KEY 2:Software\\Maker\\App"}},
      {"a value with an old value was changed; later values are skipped; root 0 by default",
       "RegDB Key: .txt\nRegDB Val: App.Document\nRegDB Val: skipped\nRegDB Type: 1\nRegDB Old: txtfile\n",
       {"EDIT-KEY 0:.txt name= type=1 old=[txtfile] rollback=[txtfile] sec=1",
        "VALUE \"App.Document\" type=1 -> EDIT-KEY 0:.txt"}},
      {"edits of one value in two runs: old values of the first, rollback value of the later",
       "RegDB Key: Software\\K\nRegDB Val: v1\nRegDB Name: N\nRegDB Root: 2\nRegDB Old: original\n"
       "*** second run\nRegDB Key: SOFTWARE\\k\nRegDB Val: v2\nRegDB Name: n\nRegDB Root: 2\nRegDB Old: v1\n",
       {"EDIT-KEY 2:Software\\K name=N type=0 old=[original] rollback=[v1] sec=2",
        "VALUE \"v1\" type=0 -> EDIT-KEY 2:Software\\K", "VALUE \"v2\" type=0 -> EDIT-KEY 2:Software\\K"}},
      {"a multi-string old value keeps every string, for rollback too",
       "RegDB Key: K\nRegDB Val: x\nRegDB Type: 2\nRegDB Old: a\nRegDB Old: b\n*** second run\n"
       "RegDB Key: K\nRegDB Val: y\nRegDB Type: 2\nRegDB Old: c\nRegDB Old: d\n",
       {"EDIT-KEY 0:K name= type=2 old=[a|b] rollback=[c|d] sec=2", "VALUE \"x\" type=2 -> EDIT-KEY 0:K",
        "VALUE \"y\" type=2 -> EDIT-KEY 0:K"}},
      {"created values merge by key, name and root; a key that ends another is a different key",
       "RegDB Key: Software\\A\nRegDB Val: 1\nRegDB Root: 2\n*** second run\nRegDB Key: software\\a\nRegDB Val: 2\nRegDB Root: 2\n"
       "RegDB Key: Software\\A\nRegDB Val: 3\nRegDB Key: Software\\A\nRegDB Val: 4\nRegDB Name: X\nRegDB Root: 2\n"
       "RegDB Key: A\nRegDB Val: 5\nRegDB Root: 2\n",
       {"KEY 2:Software\\A name= sec=2", "KEY 0:Software\\A name= sec=2", "KEY 2:Software\\A name=X sec=2",
        "KEY 2:A name= sec=2", "VALUE \"1\" type=0 -> KEY 2:Software\\A", "VALUE \"2\" type=0 -> KEY 2:Software\\A",
        "VALUE \"3\" type=0 -> KEY 0:Software\\A", "VALUE \"4\" type=0 -> KEY 2:Software\\A",
        "VALUE \"5\" type=0 -> KEY 2:A"}},
      {"a key without a value is ignored and the next line read by itself",
       "RegDB Key: K\nRegDB Name: N\nMade Dir: C:\\App\n", {"DIR C:\\App\\ named=1"}},
      {"the current user's values of a per-user installation are dropped, with their old values",
       "Per-User ID: joe\nRegDB Key: K\nRegDB Val: 1\nRegDB Root: 1\nRegDB Old: x\nRegDB Key: L\nRegDB Val: 2\nRegDB Root: 2\n",
       {"KEY 2:L name= sec=1", "VALUE \"2\" type=0 -> KEY 2:L"}},
      {"a current user's value without a per-user id is kept",
       "RegDB Key: K\nRegDB Val: 1\nRegDB Root: 1\n", {"KEY 1:K name= sec=1", "VALUE \"1\" type=0 -> KEY 1:K"}},
      {"a type or root outside 0 to 4 or a value too long for its field drops the block",
       "RegDB Key: K\nRegDB Val: 1\nRegDB Type: 7\nRegDB Key: L\nRegDB Val: 1\nRegDB Root: two\n"
       "RegDB Key: M\nRegDB Val: 1\nRegDB Name: " + std::string(256, 'n') + "\nRegDB Key: " + std::string(260, 'k') +
           "\nRegDB Val: 1\nRegDB Key: N\nRegDB Val: 1\nRegDB Old: " + std::string(1500, 'o') +
           "\nRegDB Old: " + std::string(1500, 'o') + "\nRegDB Key: P\nRegDB Val: " + std::string(3000, 'v') +
           "\nRegDB Key: OK\nRegDB Val: 1\n",
       {"KEY 0:OK name= sec=1", "VALUE \"1\" type=0 -> KEY 0:OK"}},
      {"registry trees merge by key and root",
       "RegDB Tree: Software\\Maker\\App\nRegDB Root: 2\nRegDB Tree: Software\\Maker\\App\n*** second run\n"
       "RegDB Tree: SOFTWARE\\MAKER\\APP\nRegDB Root: 2\nRegDB Tree: Bad\nRegDB Root: 9\n",
       {"TREE 2:Software\\Maker\\App sec=2", "TREE 0:Software\\Maker\\App sec=1"}},
  };
  for (const RegistryCase& c : cases) {
    CASE_TRACE(c);
    ASSERT_EQ(Read(c.body), 0);
    EXPECT_EQ(DumpStore(), c.records);
  }
}

// The old-value list with its closing NUL must fit 2,048 bytes.
TEST_F(RegistryLinesTest, OldValueListFillsItsFieldExactly) {
  const std::string fits = "RegDB Key: K\nRegDB Val: 1\nRegDB Old: " + std::string(1023, 'a') +
                           "\nRegDB Old: " + std::string(1022, 'b') + "\n";
  ASSERT_EQ(Read(fits), 0);
  ASSERT_EQ(g_itemStore.registryEdits.count, 1u);
  const RegistryEditRecord& edit = *g_itemStore.registryEdits[0];
  EXPECT_EQ(std::string(edit.oldValues + 1024), std::string(1022, 'b'));
  EXPECT_EQ(edit.oldValues[2047], '\0');

  ASSERT_EQ(Read("RegDB Key: K\nRegDB Val: 1\nRegDB Old: " + std::string(1023, 'a') + "\nRegDB Old: " +
                 std::string(1023, 'b') + "\n"),
            0);
  EXPECT_EQ(g_itemStore.registryEdits.count, 0u);
  EXPECT_EQ(g_itemStore.repairValues.count, 0u);
}

}  // namespace
