#include "utils/UtClockArithmetic.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(NormalizedMhz, SnapsTheLastTwoDigits) {
    const struct {
        unsigned measured;
        unsigned normalized;
    } kCases[] = {
        {0, 0},       {10, 20},     {26, 20},     {27, 33},     {41, 33},     {42, 50},
        {63, 66},     {85, 90},     {733, 733},   {866, 866},   {1197, 1200}, {1995, 2000},
        {2394, 2390}, {2395, 2400}, {3000, 3000}, {3510, 3520}, {3505, 3500},
    };
    for (const auto& c : kCases) EXPECT_EQ(ut::NormalizedMhz(c.measured), c.normalized) << c.measured;
}

TEST(MegahertzFromTicks, CyclesPerMicrosecond) {
    EXPECT_DOUBLE_EQ(ut::MegahertzFromTicks(3000000, 1000, 1000000), 3000.0);   // 3,000,000 cycles in 1 ms
    EXPECT_DOUBLE_EQ(ut::MegahertzFromTicks(250000, 1000, 10000000), 2500.0);   // in 100 us
    EXPECT_EQ(ut::MegahertzFromTicks(3000000, 0, 1000000), 0.0);
    EXPECT_EQ(ut::MegahertzFromTicks(3000000, 1000, 0), 0.0);
}

// SettledClockMhz over a scripted series of estimates: how many passes it runs and its answer.
struct SettleCase {
    const char* what;
    std::vector<double> estimates;  // repeated from the start when shorter than the passes run
    int expectedPasses;
    unsigned expectedMhz;
};

TEST(SettledClockMhz, StopsWhenTheLastThreeAgree) {
    const SettleCase kCases[] = {
        {"agree at once", {1000, 1001, 1002}, 3, 1001},
        {"each exactly 3 from the mean", {997, 1000, 1003}, 3, 1000},
        {"one just beyond 3", {996.9, 1000, 1003.1, 1000}, 4, 1001},
        {"settle after a disturbance", {500, 1500, 1000, 1000.4, 1000.6}, 5, 1000},
        {"never agree", {1000, 2000}, ut::kMaxClockPasses, 1667},  // passes 18 to 20: 2000, 1000, 2000
    };
    for (const SettleCase& c : kCases) {
        int passes = 0;
        const unsigned mhz = ut::SettledClockMhz([&] {
            return c.estimates[static_cast<size_t>(passes++) % c.estimates.size()];
        });
        EXPECT_EQ(passes, c.expectedPasses) << c.what;
        EXPECT_EQ(mhz, c.expectedMhz) << c.what;
    }
}

}  // namespace
