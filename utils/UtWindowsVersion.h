#pragma once
// Which Windows release the version numbers name.

#include <cstdint>
#include <string>

namespace ut {

enum class WindowsVersion : uint8_t {
    Unknown = 0,  // anything newer or unrecognised
    Win95 = 1,
    Win95OSR2 = 2,
    Win98 = 3,
    Win98SE = 4,
    WinME = 5,
    WinNT31 = 6,
    WinNT35 = 7,
    WinNT351 = 8,
    WinNT4 = 9,
    Win2000 = 10,
    WinXP = 11,
};

// Platform ids as the operating system reports them (VER_PLATFORM_WIN32_*).
constexpr unsigned kPlatformWindows = 1;  // the Windows 95 family
constexpr unsigned kPlatformNT = 2;

// Windows ME's kernel32 carries 4.90 even when the version is faked as Windows 98's.
constexpr uint32_t kWindowsMeKernelVersion = 0x0004005A;

struct OsVersionFacts {
    unsigned platform = 0;
    unsigned major = 0;
    unsigned minor = 0;
    std::string servicePack;              // as reported, untrimmed
    uint32_t kernel32ProductVersion = 0;  // major.minor of kernel32.dll; 0 on NT
};

WindowsVersion ClassifyWindowsVersion(const OsVersionFacts& facts);

// NT 3.1, 3.5 and 3.51.
bool IsWindowsNT3(WindowsVersion version);

}  // namespace ut
