#include "utils/UtStartup.h"

#include <gtest/gtest.h>

#include "utils/UtBlendMmx.h"
#include "utils/UtFpuControl.h"
#include "utils/UtGraphUtils.h"
#include "utils/UtGraphics.h"
#include "utils/UtStrings.h"
#include "utils/UtSysInfo.h"

namespace {

TEST(InitializeUtilities, BuildsEveryTableAndMasksFloatingPointExceptions) {
    const uint16_t originalControlWord = ut::FpuControlWord();
    ut::InitializeUtilities();
    const uint16_t controlWord = ut::FpuControlWord();
    ut::SetFpuControlWord(originalControlWord);
    EXPECT_EQ(controlWord & ~0x0040, ut::kAllExceptionsMaskedControlWord);  // bit 6 is reserved

    EXPECT_EQ(ut::CharacterTablesInUse().types['A'] & ut::kCharUpper, ut::kCharUpper);
    EXPECT_EQ(ut::CharacterTablesInUse().reflected['a'], 'A');
    EXPECT_EQ(ut::SystemInformationInUse().pageSize, 4096u);
    EXPECT_TRUE(ut::SystemInformationInUse().isWinNT);
    const ut::ProcessorInfo& processor = ut::ProcessorInfoInUse();
    EXPECT_TRUE(processor.hasCpuid);
    EXPECT_GT(processor.clockMhz, 0u);
    EXPECT_EQ(ut::GammaTableInUse(), ut::BuildGammaTable());
    ASSERT_TRUE(processor.hasMmx);
    EXPECT_EQ(&ut::BlendRoutinesInUse(), ut::MmxBlendRoutines());
    EXPECT_NE(ut::MmxBlendTableInUse(), nullptr);

    ut::InitializeUtilities();
    ut::FinalizeUtilities();
    EXPECT_NE(ut::MmxBlendTableInUse(), nullptr) << "one start-up is still open";
    ut::FinalizeUtilities();
    EXPECT_EQ(ut::MmxBlendTableInUse(), nullptr);
    EXPECT_EQ(ut::BlendRoutinesInUse().CombineReg(0xFFFFFFFF, 0, 128), 0x80808080u);
}

}  // namespace
