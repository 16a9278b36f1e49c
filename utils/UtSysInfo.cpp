#include "utils/UtSysInfo.h"

#include <windows.h>

#include <string>

#include "utils/UtClockArithmetic.h"
#include "utils/UtClockMeasurement.h"
#include "utils/UtCpuid.h"
#include "utils/UtInitializationCount.h"
#include "utils/UtModuleInfo.h"

namespace ut {

namespace {

InitializationCount g_count;
SystemInformation g_system;
ProcessorInfo g_processor;

uint32_t Kernel32ProductVersion() {
    char folder[MAX_PATH + 1];
    const UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return 0;
    VS_FIXEDFILEINFO info = {};
    if (!ReadFixedVersionInfo(std::string(folder, length) + "\\kernel32.dll", info)) return 0;
    return info.dwProductVersionMS;
}

OsVersionFacts ReadOsVersion() {
    OsVersionFacts facts;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return facts;
    facts.platform = version.dwPlatformId;
    facts.major = version.dwMajorVersion;
    facts.minor = version.dwMinorVersion;
    facts.servicePack = version.szCSDVersion;
    if (facts.platform == kPlatformWindows) facts.kernel32ProductVersion = Kernel32ProductVersion();
    return facts;
}

}  // namespace

SystemInformation ReadSystemInformation() {
    SystemInformation information;
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    information.pageSize = system.dwPageSize;
    information.processorCount = system.dwNumberOfProcessors;
    information.allocationGranularity = system.dwAllocationGranularity;

    const OsVersionFacts facts = ReadOsVersion();
    information.isWinNT = facts.platform == kPlatformNT;
    information.kernel32ProductVersion = facts.kernel32ProductVersion;
    information.windowsVersion = ClassifyWindowsVersion(facts);
    information.isWinNT3 = IsWindowsNT3(information.windowsVersion);
    return information;
}

ProcessorInfo ReadProcessorInfo() {
    ProcessorInfo info = DescribeProcessor(ReadCpuidReport());
    if (info.features & kFeatureTimeStampCounter) {
        info.clockMhz = MeasureClockMhz();
        info.normalizedClockMhz = NormalizedMhz(info.clockMhz);
    }
    return info;
}

void InitializeSysInfo() {
    if (!g_count.Enter()) return;
    g_system = ReadSystemInformation();
    g_processor = ReadProcessorInfo();
}

void FinalizeSysInfo() { g_count.Leave(); }

const SystemInformation& SystemInformationInUse() { return g_system; }

const ProcessorInfo& ProcessorInfoInUse() { return g_processor; }

}  // namespace ut
