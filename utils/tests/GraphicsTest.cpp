#include "utils/UtGraphics.h"

#include <gtest/gtest.h>

namespace {

TEST(GammaTable, EntriesAndShape) {
    const ut::GammaTable table = ut::BuildGammaTable();
    // 255 * (i / 255) ^ 0.7 worked out independently; 35, 39 and 218 lie within 0.003 of a half.
    const struct {
        unsigned index;
        unsigned value;
    } kEntries[] = {{0, 0},    {1, 5},    {2, 9},     {3, 11},    {16, 37},   {35, 64},   {39, 69},
                    {64, 97},  {128, 157}, {200, 215}, {218, 228}, {254, 254}, {255, 255}};
    for (const auto& entry : kEntries) EXPECT_EQ(table[entry.index], entry.value) << "entry " << entry.index;
    for (unsigned i = 1; i < table.size(); ++i) {
        EXPECT_GE(table[i], table[i - 1]) << "entry " << i;  // never darkens a brighter input
        EXPECT_GE(table[i], i) << "entry " << i;             // a gamma below 1 brightens
    }
}

}  // namespace
