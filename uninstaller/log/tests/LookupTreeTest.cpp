#include "uninstaller/log/LookupTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/NameCompare.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(LookupTreeTest, FirstKeyIsComparedFromItsEnd) {
  const struct {
    const char* stored;
    const char* searched;
    int sign;
  } cases[] = {
      {"C:\\App\\a.dll", "c:\\app\\A.DLL", 0},
      {"", "", 0},
      {"x\\a.dll", "a.dll", -1},  // the stored string is longer and ends with the searched one
      {"a.dll", "x\\a.dll", 1},
      {"", "a", 1},
      {"a", "", -1},
      {"C:\\App\\b.dll", "C:\\App\\a.dll", 1},  // 'B' - 'A' at the first difference from the end
      {"D:\\App\\a.dll", "C:\\App\\a.dll", 1},
      {"za", "yb", -1},                        // the last characters decide first
      {"C:\\App\\a.dll", "D:\\App\\a.dll", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " against " + c.searched);
    EXPECT_EQ(Sign(CompareFromEnd(c.stored, c.searched)), c.sign);
  }
}

TEST(LookupTreeTest, FurtherKeysCompareCaseInsensitivelyFromTheStart) {
  EXPECT_EQ(CompareTreeKeys({"K", "Name", "2"}, {"k", "NAME", "2"}), 0);
  EXPECT_LT(CompareTreeKeys({"K", "A", "2"}, {"K", "B", "0"}), 0);
  EXPECT_GT(CompareTreeKeys({"K", "A", "2"}, {"K", "a", "0"}), 0);
  EXPECT_NE(CompareTreeKeys({"xK", "A", "2"}, {"K", "A", "2"}), 0);
}

struct Keyed {
  std::string key;
};

TreeKey KeyOf(const void* record) { return TreeKey{static_cast<const Keyed*>(record)->key.c_str(), nullptr, nullptr}; }

int Height(const LookupTreeNode* node) {
  return node ? 1 + std::max(Height(node->child[0]), Height(node->child[1])) : 0;
}

class LookupTreeFillTest : public testing::Test {
 protected:
  void TearDown() override { FreeAllTreeNodes(); }

  // Inserts the keys that are not there yet, then checks that every one is found (in any case)
  // and that the tree stays balanced.
  void FillAndCheck(const std::vector<std::string>& keys) {
    std::vector<Keyed> records;
    records.reserve(keys.size());
    LookupTreeNode* root = nullptr;
    for (const std::string& key : keys) {
      if (TreeFind(root, TreeKey{key.c_str(), nullptr, nullptr}, KeyOf)) continue;
      records.push_back({key});
      ASSERT_EQ(TreeInsert(&root, &records.back(), KeyOf), 0);
    }
    for (const Keyed& record : records) {
      std::string upper = record.key;
      for (char& c : upper) c = static_cast<char>(UpperCaseOf(c));
      ASSERT_EQ(TreeFind(root, TreeKey{upper.c_str(), nullptr, nullptr}, KeyOf), &record) << record.key;
    }
    EXPECT_EQ(TreeFind(root, TreeKey{"not\\there", nullptr, nullptr}, KeyOf), nullptr);
    EXPECT_LE(Height(root), 1.45 * std::log2(records.size() + 2.0));
  }
};

TEST_F(LookupTreeFillTest, SortedInputStaysBalanced) {
  std::vector<std::string> keys;
  for (int i = 0; i < 20000; ++i) keys.push_back("C:\\App\\" + std::to_string(100000 + i));
  // Sorted in the tree's own order: the worst case for an unbalanced tree.
  std::sort(keys.begin(), keys.end(), [](const std::string& a, const std::string& b) {
    return CompareFromEnd(a.c_str(), b.c_str()) < 0;
  });
  FillAndCheck(keys);
  std::reverse(keys.begin(), keys.end());
  FillAndCheck(keys);
}

TEST_F(LookupTreeFillTest, RandomInputWithSuffixesAndCaseVariants) {
  std::mt19937 random(7);
  std::vector<std::string> keys;
  const char* parts[] = {"a", "B", "\\", "dll", "x"};
  for (int i = 0; i < 20000; ++i) {
    std::string key;
    for (int n = random() % 6; n >= 0; --n) key += parts[random() % 5];
    keys.push_back(key);
  }
  FillAndCheck(keys);
}

TEST(ArenaTest, ServesRequestsFromChainedBlocks) {
  Arena arena;
  std::vector<unsigned char*> small;
  for (int i = 0; i < 200; ++i) {
    unsigned char* p = static_cast<unsigned char*>(arena.Allocate(100));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % alignof(std::max_align_t), 0u);
    std::fill(p, p + 100, static_cast<unsigned char>(i));
    small.push_back(p);
  }
  EXPECT_EQ(arena.BlockCount(), 1u);

  const std::size_t large = 3 * Arena::kBlockSize;
  unsigned char* big = static_cast<unsigned char*>(arena.Allocate(large));
  ASSERT_NE(big, nullptr);
  std::fill(big, big + large, 0xEE);
  EXPECT_EQ(arena.BlockCount(), 2u);
  ASSERT_NE(arena.Allocate(Arena::kBlockSize / 2), nullptr);
  EXPECT_EQ(arena.BlockCount(), 3u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(small[i][99], i) << i;

  EXPECT_EQ(arena.Allocate(static_cast<std::size_t>(-1)), nullptr);
  arena.FreeAll();
  EXPECT_EQ(arena.BlockCount(), 0u);
  EXPECT_NE(arena.Allocate(10), nullptr);
}

}  // namespace
