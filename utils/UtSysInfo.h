#pragma once
// The process-wide system information: memory and processor counts, the Windows release, and
// the processor record with its clock speed.

#include <cstdint>

#include "utils/UtProcessorInfo.h"
#include "utils/UtWindowsVersion.h"

namespace ut {

struct SystemInformation {
    uint32_t pageSize = 0;
    uint32_t processorCount = 0;
    uint32_t allocationGranularity = 0;
    bool isWinNT = false;
    uint32_t kernel32ProductVersion = 0;  // major.minor of kernel32.dll on the 95 family; 0 on NT
    WindowsVersion windowsVersion = WindowsVersion::Unknown;
    bool isWinNT3 = false;

    // The version flags: one per release, none for an unknown one.
    bool Is(WindowsVersion version) const {
        return version != WindowsVersion::Unknown && windowsVersion == version;
    }
};

SystemInformation ReadSystemInformation();

// The processor record with its clock measured (when it has a time-stamp counter).
ProcessorInfo ReadProcessorInfo();

// Reads both records; only the first of several calls does the work.
void InitializeSysInfo();
void FinalizeSysInfo();

// The process-wide records: empty until the initialisation.
const SystemInformation& SystemInformationInUse();
const ProcessorInfo& ProcessorInfoInUse();

}  // namespace ut
