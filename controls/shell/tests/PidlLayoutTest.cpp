// Walking, composing and comparing item-ID lists as bytes.

#include <gtest/gtest.h>

#include <vector>

#include "controls/shell/PidlLayout.h"
#include "controls/shell/tests/PidlBytes.h"

namespace {

using test::MakePidl;

const std::vector<uint8_t> kEmpty = MakePidl({});
const std::vector<uint8_t> kThree = MakePidl({{'a'}, {'b', 'b'}, {'c', 'c', 'c'}});

TEST(PidlLayout, SizesAndCounts) {
    struct Case {
        const char* name;
        const uint8_t* pidl;
        size_t size;
        int count;
    } cases[] = {
        {"missing", nullptr, 0, 0},
        {"empty", kEmpty.data(), 2, 0},
        {"three items", kThree.data(), 3 + 4 + 5 + 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mw::PidlSize(c.pidl), c.size);
        EXPECT_EQ(mw::PidlItemCount(c.pidl), c.count);
        EXPECT_EQ(mw::PidlItemsSize(c.pidl), c.size >= 2 ? c.size - 2 : 0);
    }
}

TEST(PidlLayout, DamagedItemEndsTheWalk) {
    // An item claiming one byte cannot hold its own count: the list ends there.
    std::vector<uint8_t> damaged = MakePidl({{'a'}});
    damaged.insert(damaged.end() - 2, {1, 0, 0xEE});
    EXPECT_EQ(mw::PidlItemCount(damaged.data()), 1);
    EXPECT_EQ(mw::PidlSize(damaged.data()), 3u + 2u);
}

TEST(PidlLayout, ItemsByIndex) {
    EXPECT_EQ(mw::PidlItem(kThree.data(), 0), kThree.data());
    const uint8_t* last = mw::PidlItem(kThree.data(), 2);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(mw::PidlItemSize(last), 5u);
    EXPECT_EQ(last[2], 'c');
    for (int outside : {-1, 3, 4}) EXPECT_EQ(mw::PidlItem(kThree.data(), outside), nullptr) << outside;
    EXPECT_EQ(mw::PidlItem(kEmpty.data(), 0), nullptr);
    EXPECT_EQ(mw::PidlItem(nullptr, 0), nullptr);

    EXPECT_EQ(mw::PidlPrefixSize(kThree.data(), 0), 0u);
    EXPECT_EQ(mw::PidlPrefixSize(kThree.data(), 2), 7u);
    EXPECT_EQ(mw::PidlPrefixSize(kThree.data(), 9), 12u);  // clipped to the list
}

TEST(PidlLayout, BoundedSizeStaysWithinTheBytes) {
    EXPECT_EQ(mw::PidlSizeWithin(kThree.data(), kThree.size()), kThree.size());
    EXPECT_EQ(mw::PidlSizeWithin(kThree.data(), kThree.size() - 1), 0u);  // terminator cut off
    const std::vector<uint8_t> overlong = {0x40, 0x00, 'x', 0, 0};     // item runs past the end
    EXPECT_EQ(mw::PidlSizeWithin(overlong.data(), overlong.size()), 0u);
    EXPECT_EQ(mw::PidlSizeWithin(nullptr, 10), 0u);
}

TEST(PidlLayout, ComposeJoinsItemsUnderOneTerminator) {
    const std::vector<uint8_t> head = MakePidl({{'a'}});
    const std::vector<uint8_t> tail = MakePidl({{'b', 'b'}, {'c', 'c', 'c'}});
    const mw::TPidlPart parts[] = {{head.data(), mw::PidlItemsSize(head.data())}, {tail.data(), mw::PidlItemsSize(tail.data())}};
    std::vector<uint8_t> joined(mw::ComposedPidlSize({parts[0], parts[1]}), 0xFF);
    mw::ComposePidl(joined.data(), {parts[0], parts[1]});
    EXPECT_EQ(joined, kThree);

    std::vector<uint8_t> nothing(mw::ComposedPidlSize({{nullptr, 0}, {nullptr, 0}}), 0xFF);
    mw::ComposePidl(nothing.data(), {{nullptr, 0}, {nullptr, 0}});
    EXPECT_EQ(nothing, kEmpty);
}

TEST(PidlLayout, ByteOrder) {
    const std::vector<uint8_t> ab = MakePidl({{'a', 'b'}});
    const std::vector<uint8_t> ac = MakePidl({{'a', 'c'}});
    const std::vector<uint8_t> abThenC = MakePidl({{'a', 'b'}, {'c'}});
    const std::vector<uint8_t> high = MakePidl({{0xF0}});
    const std::vector<uint8_t> low = MakePidl({{0x10}});
    EXPECT_EQ(mw::ComparePidlBytes(ab.data(), ab.data()), 0);
    EXPECT_LT(mw::ComparePidlBytes(ab.data(), ac.data()), 0);
    EXPECT_GT(mw::ComparePidlBytes(ac.data(), ab.data()), 0);
    EXPECT_GT(mw::ComparePidlBytes(high.data(), low.data()), 0);  // bytes are unsigned
    // The terminator of the shorter list differs from the longer one's next count.
    EXPECT_LT(mw::ComparePidlBytes(ab.data(), abThenC.data()), 0);
    EXPECT_LT(mw::ComparePidlBytes(nullptr, ab.data()), 0);
}

TEST(PidlLayout, ShapesDecideMissingAndEmptyLists) {
    const std::vector<uint8_t> otherEmpty = MakePidl({});
    EXPECT_EQ(mw::ComparePidlShapes(nullptr, nullptr), 0);
    EXPECT_EQ(mw::ComparePidlShapes(nullptr, kEmpty.data()), -1);
    EXPECT_EQ(mw::ComparePidlShapes(kThree.data(), nullptr), -1);
    EXPECT_EQ(mw::ComparePidlShapes(kEmpty.data(), otherEmpty.data()), 0);
    EXPECT_EQ(mw::ComparePidlShapes(kEmpty.data(), kThree.data()), -1);
    EXPECT_EQ(mw::ComparePidlShapes(kThree.data(), kThree.data()), std::nullopt);
}

TEST(PidlLayout, CompareIdsResultIsTheSignedLowWord) {
    EXPECT_EQ(mw::CompareIdsResult(0x0000FFFF), -1);
    EXPECT_EQ(mw::CompareIdsResult(0x00000001), 1);
    EXPECT_EQ(mw::CompareIdsResult(0x00000000), 0);
}

}  // namespace
