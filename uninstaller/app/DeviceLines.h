#pragma once
// The "device=" lines of SYSTEM.INI's "[386Enh]" section that load a logged driver.

#include <cstddef>

// The name a driver is listed under: the path less a leading System directory and its "\",
// else the whole path.
void DeviceNameOf(const char* path, const char* systemDirectory, char* out, std::size_t size);

// Reads SYSTEM.INI one line at a time and tells which lines load the device.
class DeviceLineScan {
public:
    DeviceLineScan(const char* deviceName, const char* path) : deviceName_(deviceName), path_(path) {}

    // True when line (leading spaces and tabs ignored) is a "device=" line of "[386Enh]" whose
    // rest names the device or its whole path (case-insensitive): it gets a ";" in front.
    bool IsLineToComment(const char* line);

private:
    const char* deviceName_;
    const char* path_;
    bool inSection_ = false;
};
