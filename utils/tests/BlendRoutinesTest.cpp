#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "utils/UtBlendMmx.h"
#include "utils/UtBlendPlain.h"
#include "utils/UtGraphUtils.h"

namespace {

using ut::BlendRoutines;
using ut::Color32;

unsigned Channel(Color32 colour, int index) { return (colour >> (8 * index)) & 0xFF; }

// x * w / 255 + y * (255 - w) / 255, rounded to the nearest.
unsigned ExactMix(unsigned x, unsigned y, unsigned w) { return (2 * (x * w + y * (255 - w)) + 255) / 510; }

enum class RoutineSet { Plain, Mmx };

void PrintTo(RoutineSet set, std::ostream* out) { *out << (set == RoutineSet::Plain ? "plain" : "MMX"); }

class BlendRoutineSet : public testing::TestWithParam<RoutineSet> {
protected:
    void SetUp() override {
        if (GetParam() == RoutineSet::Plain) {
            routines_ = &ut::PlainBlendRoutines();
            return;
        }
        if (!ut::BuildMmxBlendTable()) GTEST_SKIP() << "no MMX routines for this processor family";
        routines_ = ut::MmxBlendRoutines();
    }
    void TearDown() override { ut::FreeMmxBlendTable(); }

    // The plain routines round exactly; the MMX ones divide by 256 and may be one off.
    unsigned Tolerance() const { return GetParam() == RoutineSet::Plain ? 0 : 1; }

    const BlendRoutines* routines_ = nullptr;
};

TEST_P(BlendRoutineSet, CombineFollowsTheWeight) {
    const Color32 kColours[] = {0x00000000, 0xFFFFFFFF, 0x80FF4001, 0x127FC0EE, 0xFE01A55A};
    for (Color32 x : kColours) {
        for (Color32 y : kColours) {
            EXPECT_EQ(routines_->CombineReg(x, y, 0), y);
            EXPECT_EQ(routines_->CombineReg(x, y, 255), x);
            EXPECT_EQ(routines_->CombineReg(x, y, 1000), x) << "weights above 255 count as 255";
            for (unsigned w = 0; w < 256; ++w) {
                const Color32 mixed = routines_->CombineReg(x, y, w);
                for (int channel = 0; channel < 4; ++channel) {
                    const unsigned exact = ExactMix(Channel(x, channel), Channel(y, channel), w);
                    const unsigned got = Channel(mixed, channel);
                    ASSERT_LE(got > exact ? got - exact : exact - got, Tolerance())
                        << std::hex << x << " over " << y << " weight " << std::dec << w << " channel " << channel;
                }
                ASSERT_EQ(routines_->CombineReg(x, x, w), x) << "a colour over itself stays the same";
                Color32 inMemory = y;
                routines_->CombineMem(x, inMemory, w);
                ASSERT_EQ(inMemory, mixed);
            }
        }
    }
}

TEST_P(BlendRoutineSet, BlendsUseTheForegroundAlpha) {
    const Color32 background = 0x20406080;
    const Color32 kForegrounds[] = {0x00FFFFFF, 0xFF123456, 0x80FF0000, 0x01ABCDEF, 0xFE00FF00};
    for (Color32 foreground : kForegrounds) {
        const Color32 blended = routines_->BlendReg(foreground, background);
        EXPECT_EQ(blended, routines_->CombineReg(foreground, background, foreground >> 24)) << std::hex << foreground;
        EXPECT_EQ(routines_->BlendRegEx(foreground, background, 255), blended) << std::hex << foreground;
        EXPECT_EQ(routines_->BlendRegEx(foreground, background, 0), background) << std::hex << foreground;
        // Half the master alpha halves the weight, rounded.
        EXPECT_EQ(routines_->BlendRegEx(foreground, background, 128),
                  routines_->CombineReg(foreground, background, ((foreground >> 24) * 128 + 127) / 255));
        Color32 inMemory = background;
        routines_->BlendMem(foreground, inMemory);
        EXPECT_EQ(inMemory, blended);
        inMemory = background;
        routines_->BlendMemEx(foreground, inMemory, 77);
        EXPECT_EQ(inMemory, routines_->BlendRegEx(foreground, background, 77));
    }
    EXPECT_EQ(routines_->BlendReg(0x00FFFFFF, background), background) << "a transparent pixel changes nothing";
    EXPECT_EQ(routines_->BlendReg(0xFF123456, background), 0xFF123456u) << "an opaque one replaces";
}

TEST_P(BlendRoutineSet, LinesBlendPixelByPixel) {
    const std::vector<Color32> source = {0x00FFFFFF, 0xFF123456, 0x80FF0000, 0x01ABCDEF, 0xFE00FF00, 0x7F7F7F7F};
    const std::vector<Color32> destination = {0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00, 0x00000000, 0xFFFFFFFF};
    std::vector<Color32> line = destination;
    routines_->BlendLine(source.data(), line.data(), line.size());
    std::vector<Color32> lineEx = destination;
    routines_->BlendLineEx(source.data(), lineEx.data(), lineEx.size(), 200);
    for (size_t i = 0; i < source.size(); ++i) {
        EXPECT_EQ(line[i], routines_->BlendReg(source[i], destination[i])) << i;
        EXPECT_EQ(lineEx[i], routines_->BlendRegEx(source[i], destination[i], 200)) << i;
    }
    std::vector<Color32> untouched = destination;
    routines_->BlendLine(source.data(), untouched.data(), 0);
    routines_->BlendLineEx(source.data(), untouched.data(), 0, 255);
    EXPECT_EQ(untouched, destination);
}

TEST_P(BlendRoutineSet, LeaveTheFloatingPointUnitUsable) {
    volatile long double factor = 1.5L;  // long double arithmetic runs on the x87 unit MMX shares
    for (unsigned w : {0u, 100u, 255u}) {
        Color32 colour = 0x80808080;
        routines_->CombineMem(0xFF00FF00, colour, w);
        routines_->BlendLine(&colour, &colour, 1);
        ASSERT_EQ(factor * 2.0L, 3.0L) << "after weight " << w;
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, BlendRoutineSet, testing::Values(RoutineSet::Plain, RoutineSet::Mmx),
                         [](const testing::TestParamInfo<RoutineSet>& info) {
                             return info.param == RoutineSet::Plain ? "Plain" : "Mmx";
                         });

TEST(MmxBlendTable, EntriesAlignmentAndBias) {
    if (!ut::BuildMmxBlendTable()) GTEST_SKIP() << "no MMX routines for this processor family";
    const ut::MmxBlendTable* table = ut::MmxBlendTableInUse();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(table) % 8, 0u);
    for (uint32_t i = 0; i < 256; ++i) {
        EXPECT_EQ(table->entries[i][0], i * 65537u) << i;
        EXPECT_EQ(table->entries[i][1], i * 65537u) << i;
    }
    EXPECT_EQ(table->Bias(), table->entries[128]);
    ut::FreeMmxBlendTable();
    EXPECT_EQ(ut::MmxBlendTableInUse(), nullptr);
}

TEST(GraphUtils, SelectsByProcessorAndCountsInitialisations) {
    const BlendRoutines* plain = &ut::PlainBlendRoutines();
    const BlendRoutines* mmx = ut::MmxBlendRoutines();
    EXPECT_EQ(&ut::BlendRoutinesInUse(), plain) << "before the start-up";

    ut::InitializeGraphUtils(false);
    EXPECT_EQ(&ut::BlendRoutinesInUse(), plain);
    EXPECT_EQ(ut::MmxBlendTableInUse(), nullptr);
    ut::FinalizeGraphUtils();

    if (!mmx) GTEST_SKIP() << "no MMX routines for this processor family";
    ut::InitializeGraphUtils(true);
    ut::InitializeGraphUtils(false);  // counted only
    EXPECT_EQ(&ut::BlendRoutinesInUse(), mmx);
    EXPECT_NE(ut::MmxBlendTableInUse(), nullptr);
    ut::FinalizeGraphUtils();
    EXPECT_EQ(&ut::BlendRoutinesInUse(), mmx) << "one initialisation is still open";
    EXPECT_NE(ut::MmxBlendTableInUse(), nullptr);
    ut::FinalizeGraphUtils();
    EXPECT_EQ(&ut::BlendRoutinesInUse(), plain) << "the MMX routines cannot run without their table";
    EXPECT_EQ(ut::MmxBlendTableInUse(), nullptr);
    ut::FinalizeGraphUtils();  // unbalanced: nothing happens
    EXPECT_EQ(&ut::BlendRoutinesInUse(), plain);
}

}  // namespace
