#include "utils/UtWindowsVersion.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using ut::WindowsVersion;

struct VersionCase {
    ut::OsVersionFacts facts;
    WindowsVersion expected;
};

void PrintTo(const VersionCase& c, std::ostream* out) {
    *out << "platform " << c.facts.platform << ", " << c.facts.major << "." << c.facts.minor << " \""
         << c.facts.servicePack << "\", kernel32 0x" << std::hex << c.facts.kernel32ProductVersion;
}

class ClassifyWindowsVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(ClassifyWindowsVersion, Code) {
    const VersionCase& c = GetParam();
    const WindowsVersion version = ut::ClassifyWindowsVersion(c.facts);
    EXPECT_EQ(static_cast<int>(version), static_cast<int>(c.expected));
    const bool nt3 = c.expected == WindowsVersion::WinNT31 || c.expected == WindowsVersion::WinNT35 ||
                     c.expected == WindowsVersion::WinNT351;
    EXPECT_EQ(ut::IsWindowsNT3(version), nt3);
}

constexpr unsigned k95 = ut::kPlatformWindows;
constexpr unsigned kNT = ut::kPlatformNT;
constexpr uint32_t k98Kernel = 0x0004000A;
constexpr uint32_t kMeKernel = ut::kWindowsMeKernelVersion;

INSTANTIATE_TEST_SUITE_P(
    Releases, ClassifyWindowsVersion,
    testing::Values(VersionCase{{k95, 4, 0, "", 0x00040000}, WindowsVersion::Win95},
                    VersionCase{{k95, 4, 0, " B ", 0x00040000}, WindowsVersion::Win95OSR2},
                    VersionCase{{k95, 4, 3, "B", 0x00040000}, WindowsVersion::Win95OSR2},
                    VersionCase{{k95, 4, 0, " C", 0x00040000}, WindowsVersion::Win95},
                    VersionCase{{k95, 4, 0, " b", 0x00040000}, WindowsVersion::Win95},
                    VersionCase{{k95, 4, 10, "", k98Kernel}, WindowsVersion::Win98},
                    VersionCase{{k95, 4, 10, " A ", k98Kernel}, WindowsVersion::Win98SE},
                    VersionCase{{k95, 4, 89, " A ", kMeKernel}, WindowsVersion::WinME},  // ME posing as 98
                    VersionCase{{k95, 4, 90, "", kMeKernel}, WindowsVersion::WinME},
                    VersionCase{{k95, 4, 91, "", kMeKernel}, WindowsVersion::Unknown},
                    VersionCase{{kNT, 3, 10, "", 0}, WindowsVersion::WinNT31},
                    VersionCase{{kNT, 3, 50, "", 0}, WindowsVersion::WinNT35},
                    VersionCase{{kNT, 3, 51, "Service Pack 5", 0}, WindowsVersion::WinNT351},
                    VersionCase{{kNT, 3, 0, "", 0}, WindowsVersion::Unknown},
                    VersionCase{{kNT, 4, 0, "Service Pack 6", 0}, WindowsVersion::WinNT4},
                    VersionCase{{kNT, 5, 0, "", 0}, WindowsVersion::Win2000},
                    VersionCase{{kNT, 5, 1, "Service Pack 3", 0}, WindowsVersion::WinXP},
                    VersionCase{{kNT, 5, 2, "", 0}, WindowsVersion::Unknown},
                    VersionCase{{kNT, 6, 1, "", 0}, WindowsVersion::Unknown},
                    VersionCase{{kNT, 10, 0, "", 0}, WindowsVersion::Unknown},
                    VersionCase{{0, 3, 10, "", 0}, WindowsVersion::Unknown}));  // Win32s

}  // namespace
