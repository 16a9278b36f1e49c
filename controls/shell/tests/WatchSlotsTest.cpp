// The watcher's slot table: 63 slots, the lowest free one first, and the wait list over them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "controls/shell/WatchSlots.h"

namespace {

void* Handle(uintptr_t n) { return reinterpret_cast<void*>(n); }

TEST(WatchSlots, FillsUpToSixtyThreeThenRefuses) {
    mw::TWatchSlots slots;
    for (int i = 0; i < mw::TWatchSlots::kSlotCount; ++i) ASSERT_EQ(slots.Add(Handle(100 + i)), i);
    EXPECT_EQ(slots.Add(Handle(999)), -1);
    EXPECT_EQ(slots.Used(), 63);
    // Position 0 is the command event; 63 handles after it reach the system's limit of 64.
    EXPECT_EQ(slots.WaitList(Handle(1)).count, mw::TWaitList::kCapacity);
}

TEST(WatchSlots, FreedSlotIsReusedAndOthersKeepTheirNumbers) {
    mw::TWatchSlots slots;
    for (int i = 0; i < 5; ++i) slots.Add(Handle(10 + i));
    EXPECT_EQ(slots.Release(1), Handle(11));
    EXPECT_EQ(slots.Release(1), nullptr);  // already free
    EXPECT_EQ(slots.Release(-1), nullptr);
    EXPECT_EQ(slots.Release(63), nullptr);
    EXPECT_EQ(slots.HandleAt(4), Handle(14));
    EXPECT_EQ(slots.Add(Handle(20)), 1);
    EXPECT_EQ(slots.Add(Handle(21)), 5);
}

TEST(WatchSlots, WaitListMapsPositionsToSlots) {
    mw::TWatchSlots slots;
    for (int i = 0; i < 4; ++i) slots.Add(Handle(10 + i));
    slots.Release(0);
    slots.Release(2);
    const mw::TWaitList list = slots.WaitList(Handle(1));
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.handles[0], Handle(1));
    EXPECT_EQ(list.slots[0], -1);
    EXPECT_EQ(list.handles[1], Handle(11));
    EXPECT_EQ(list.slots[1], 1);
    EXPECT_EQ(list.handles[2], Handle(13));
    EXPECT_EQ(list.slots[2], 3);
}

TEST(WatchSlots, ReleaseAllHandsBackEveryHandle) {
    mw::TWatchSlots slots;
    for (int i = 0; i < 3; ++i) slots.Add(Handle(10 + i));
    std::vector<void*> released = slots.ReleaseAll();
    std::sort(released.begin(), released.end());
    EXPECT_EQ(released, (std::vector<void*>{Handle(10), Handle(11), Handle(12)}));
    EXPECT_EQ(slots.Used(), 0);
    EXPECT_EQ(slots.WaitList(Handle(1)).count, 1);
    EXPECT_EQ(slots.Add(Handle(30)), 0);
}

}  // namespace
