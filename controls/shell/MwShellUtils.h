#pragma once
// The process-wide facts of the shell utilities, gathered at start-up: the platform's version
// record, the shell's task allocator and the common-controls version.

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <string>

namespace mw {

// The most and least significant halves of a file version (major.minor, release.build).
struct TFileVersion {
    uint32_t ms = 0;
    uint32_t ls = 0;
    bool AtLeast(uint16_t major, uint16_t minor) const { return ms >= (uint32_t(major) << 16 | minor); }
};

// The fixed file version of the file's version resource; false when it has none.
bool GetFileVersion(const std::string& fileName, TFileVersion& version);

const OSVERSIONINFOA& OSVersion();
// The NT family (platform id 2).
bool IsWinNT();
// The version of "comctl32.dll"; zero when it cannot be read.
TFileVersion ComCtlVersion();
// The shell's task allocator: every PIDL made or freed by the shell utilities goes through it.
// Taken at start-up, or on first use when start-up has not run.
IMalloc* GetShellMalloc();

// Reads the version record, takes the allocator and reads the common-controls version.
void InitializeShellUtils();
// Frees the device-change dispatcher (when made) and lets go of the allocator.
void FinalizeShellUtils();

}  // namespace mw
