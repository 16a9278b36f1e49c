#include "utils/UtWindowsVersion.h"

namespace ut {

namespace {

std::string Trimmed(const std::string& text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t first = 0;
    size_t end = text.size();
    while (first < end && isBlank(text[first])) ++first;
    while (end > first && isBlank(text[end - 1])) --end;
    return text.substr(first, end - first);
}

WindowsVersion ClassifyWindows95Family(const OsVersionFacts& facts) {
    const std::string service = Trimmed(facts.servicePack);
    if (facts.minor < 10) return service == "B" ? WindowsVersion::Win95OSR2 : WindowsVersion::Win95;
    if (facts.minor < 90) {
        if (facts.kernel32ProductVersion == kWindowsMeKernelVersion) return WindowsVersion::WinME;
        return service == "A" ? WindowsVersion::Win98SE : WindowsVersion::Win98;
    }
    return facts.minor == 90 ? WindowsVersion::WinME : WindowsVersion::Unknown;
}

WindowsVersion ClassifyNTFamily(const OsVersionFacts& facts) {
    switch (facts.major) {
    case 3:
        if (facts.minor == 10) return WindowsVersion::WinNT31;
        if (facts.minor == 50) return WindowsVersion::WinNT35;
        if (facts.minor == 51) return WindowsVersion::WinNT351;
        return WindowsVersion::Unknown;
    case 4:
        return WindowsVersion::WinNT4;
    case 5:
        if (facts.minor == 0) return WindowsVersion::Win2000;
        if (facts.minor == 1) return WindowsVersion::WinXP;
        return WindowsVersion::Unknown;
    default:
        return WindowsVersion::Unknown;
    }
}

}  // namespace

WindowsVersion ClassifyWindowsVersion(const OsVersionFacts& facts) {
    switch (facts.platform) {
    case kPlatformWindows:
        return ClassifyWindows95Family(facts);
    case kPlatformNT:
        return ClassifyNTFamily(facts);
    default:
        return WindowsVersion::Unknown;
    }
}

bool IsWindowsNT3(WindowsVersion version) {
    return version == WindowsVersion::WinNT31 || version == WindowsVersion::WinNT35 ||
           version == WindowsVersion::WinNT351;
}

}  // namespace ut
