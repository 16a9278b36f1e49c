#include "uninstaller/app/Crc32.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Crc32, CheckValueAndPiecewiseFeeding)
{
    uint32_t table[256];
    BuildCrc32Table(table);
    const char* text = "123456789";
    EXPECT_EQ(~UpdateCrc32(table, 0xFFFFFFFFu, text, std::strlen(text)), 0xCBF43926u);

    uint32_t running = UpdateCrc32(table, 0xFFFFFFFFu, text, 4);
    running = UpdateCrc32(table, running, text + 4, 5);
    EXPECT_EQ(~running, 0xCBF43926u);

    EXPECT_EQ(~UpdateCrc32(table, 0xFFFFFFFFu, "", 0), 0u);
}
