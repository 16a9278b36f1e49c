#include "utils/UtSysInfo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "utils/UtClockMeasurement.h"
#include "utils/UtCpuid.h"

namespace {

TEST(ReadSystemInformation, OfThisSystem) {
    const ut::SystemInformation info = ut::ReadSystemInformation();
    EXPECT_EQ(info.pageSize, 4096u);
    EXPECT_EQ(info.allocationGranularity, 65536u);
    EXPECT_GE(info.processorCount, 1u);
    EXPECT_TRUE(info.isWinNT);
    EXPECT_EQ(info.kernel32ProductVersion, 0u) << "read on the 95 family only";
    EXPECT_FALSE(info.isWinNT3);
    // Every release this program runs on is newer than the ones the codes name.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    if (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion > 1)) {
        EXPECT_EQ(info.windowsVersion, ut::WindowsVersion::Unknown);
    }
    EXPECT_FALSE(info.Is(ut::WindowsVersion::Unknown));
}

TEST(ReadCpuidReport, OfThisProcessor) {
    const ut::CpuidReport report = ut::ReadCpuidReport();
    ASSERT_TRUE(report.present);
    EXPECT_GE(report.highestLeaf, 1u);
    EXPECT_EQ(report.vendorText.size(), 12u);
    EXPECT_NE(report.signature, 0u);
    // Every processor that runs Wine has them: x86-64 implies MMX, a time-stamp counter and a brand.
    EXPECT_NE(report.features & ut::kFeatureMmx, 0u);
    EXPECT_NE(report.features & ut::kFeatureTimeStampCounter, 0u);
    EXPECT_EQ(report.brandText.size(), 48u);
}

TEST(ReadProcessorInfo, WithTheClock) {
    const ut::ProcessorInfo info = ut::ReadProcessorInfo();
    ASSERT_TRUE(info.hasCpuid);
    EXPECT_TRUE(info.hasMmx);
    EXPECT_FALSE(info.productName.empty());
    EXPECT_EQ(info.vendorName == "Unknown", info.vendor == ut::CpuVendor::Unknown) << info.vendorName;
    EXPECT_GE(info.clockMhz, 100u);
    EXPECT_LE(info.clockMhz, 10000u);
    const int snapped = static_cast<int>(info.normalizedClockMhz) - static_cast<int>(info.clockMhz);
    EXPECT_LE(snapped < 0 ? -snapped : snapped, 10) << info.clockMhz << " normalised to " << info.normalizedClockMhz;
}

TEST(MeasureClockMhz, RestoresTheThreadPriority) {
    for (int priority : {THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_BELOW_NORMAL}) {
        ASSERT_TRUE(SetThreadPriority(GetCurrentThread(), priority));
        EXPECT_GT(ut::MeasureClockMhz(), 0u);
        EXPECT_EQ(GetThreadPriority(GetCurrentThread()), priority);
    }
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

}  // namespace
