#include "uninstaller/log/LookupIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/NameCompare.h"

namespace {

TEST(LookupIndexTest, KeysAreTheSameWhateverTheirCase) {
  const struct {
    LookupKey a, b;
    bool same;
  } cases[] = {
      {{"C:\\App\\a.dll", nullptr, nullptr}, {"c:\\app\\A.DLL", nullptr, nullptr}, true},
      {{"", nullptr, nullptr}, {"", nullptr, nullptr}, true},
      {{"x\\a.dll", nullptr, nullptr}, {"a.dll", nullptr, nullptr}, false},
      {{"a.dll", nullptr, nullptr}, {"a.dl", nullptr, nullptr}, false},
      {{"K", "Name", "2"}, {"k", "NAME", "2"}, true},
      {{"K", "A", "2"}, {"K", "B", "2"}, false},
      {{"K", "A", "2"}, {"K", "A", "0"}, false},
      {{"xK", "A", "2"}, {"K", "A", "2"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a.first) + " against " + c.b.first);
    EXPECT_EQ(SameLookupKey(c.a, c.b), c.same);
  }
}

struct Keyed {
  std::string key, second;
};

LookupKey KeyOf(const void* record) {
  const Keyed* keyed = static_cast<const Keyed*>(record);
  return LookupKey{keyed->key.c_str(), keyed->second.c_str(), nullptr};
}

class LookupIndexFillTest : public testing::Test {
 protected:
  void TearDown() override { FreeAllLookupIndexes(); }

  // Inserts the keys that are not there yet, growing the index many times over, then checks that
  // every one is found (in any case) and that nothing else is.
  void FillAndCheck(const std::vector<Keyed>& keys) {
    std::vector<Keyed> records;
    records.reserve(keys.size());
    LookupIndex* index = nullptr;
    for (const Keyed& key : keys) {
      if (IndexFind(index, KeyOf(&key), KeyOf)) continue;
      records.push_back(key);
      ASSERT_EQ(IndexInsert(&index, &records.back(), KeyOf), 0);
    }
    for (const Keyed& record : records) {
      Keyed upper = record;
      for (char& c : upper.key) c = static_cast<char>(UpperCaseOf(c));
      for (char& c : upper.second) c = static_cast<char>(UpperCaseOf(c));
      ASSERT_EQ(IndexFind(index, KeyOf(&upper), KeyOf), &record) << record.key << "|" << record.second;
    }
    Keyed missing{"not\\there", ""};
    EXPECT_EQ(IndexFind(index, KeyOf(&missing), KeyOf), nullptr);
  }
};

TEST_F(LookupIndexFillTest, KeysThatDifferLittle) {
  std::vector<Keyed> keys;
  for (int i = 0; i < 20000; ++i) keys.push_back({"C:\\App\\" + std::to_string(100000 + i), ""});
  FillAndCheck(keys);
}

TEST_F(LookupIndexFillTest, RandomKeysWithSuffixesAndCaseVariants) {
  std::mt19937 random(7);
  std::vector<Keyed> keys;
  const char* parts[] = {"a", "B", "\\", "dll", "x"};
  for (int i = 0; i < 20000; ++i) {
    Keyed key;
    for (int n = random() % 6; n >= 0; --n) key.key += parts[random() % 5];
    // The second part decides as much as the first: "ab|x" and "a|bx" are two keys.
    for (int n = random() % 2; n >= 0; --n) key.second += parts[random() % 5];
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
