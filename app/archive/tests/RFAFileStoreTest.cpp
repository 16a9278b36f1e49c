// The entry store: entries keep their place while more are added past the end of a block, and
// a cleared store starts again.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/archive/RFAFileStore.h"

namespace quillon::test {
namespace {

TEST(RFAFileStore, EntriesStayWhereTheyAreWhileMoreAreAdded) {
    TRFAFileStore store;
    for (int round = 0; round < 2; ++round) {
        std::vector<TRFAFile*> added;
        for (uint32_t i = 0; i < 2500; ++i)
            added.push_back(store.Add(MakeRFAFile("maps/entry" + std::to_string(i) + ".con", i, 0, i * 2, i, i * 3)));
        for (uint32_t i = 0; i < added.size(); ++i) {
            EXPECT_EQ(added[i]->FileName, "entry" + std::to_string(i) + ".con");
            EXPECT_EQ(added[i]->Index, i);
            EXPECT_EQ(added[i]->DataOffset, i * 2);
        }
        store.Clear();
    }
}

}  // namespace
}  // namespace quillon::test
