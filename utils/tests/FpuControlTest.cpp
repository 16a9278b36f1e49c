#include "utils/UtFpuControl.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FpuControlWord, MaskedExceptionsGiveSpecialValues) {
#if defined(__i386__) || defined(__x86_64__)
    const uint16_t original = ut::FpuControlWord();
    ut::SetFpuControlWord(ut::kAllExceptionsMaskedControlWord);
    const uint16_t loaded = ut::FpuControlWord();
    // long double keeps the arithmetic on the x87 unit on 64-bit builds too.
    volatile long double zero = 0.0L;
    volatile long double minusOne = -1.0L;
    const long double quotient = 1.0L / zero;
    const long double root = std::sqrt(minusOne);
    ut::SetFpuControlWord(original);
    // Bit 6 is reserved; processors since the 387 read it back as 1 whatever was loaded.
    EXPECT_EQ(loaded & ~0x0040, ut::kAllExceptionsMaskedControlWord);
    EXPECT_TRUE(std::isinf(quotient));
    EXPECT_TRUE(std::isnan(root));
#else
    GTEST_SKIP() << "no x87 unit";
#endif
}

}  // namespace
