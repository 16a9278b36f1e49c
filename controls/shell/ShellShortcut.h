#pragma once
// Reading a shell shortcut (.lnk) file.

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>

#include "controls/shell/ShellPidl.h"

namespace mw {

// How Resolve may look for a moved target: Interactive may show the system's search box,
// Silent passes an invalid window so that it cannot.
enum class TMwResolveOption : uint8_t { Interactive = 0, Silent = 1 };

// Every text and number group below was read.
constexpr uint32_t kShortcutAllFields = 63;

struct TMwShortcutInfo {
    std::string targetPath;
    uint32_t validFields = 0;
    std::string description;
    std::string arguments;
    std::string iconLocation;
    int32_t iconIndex = 0;
    std::string workingFolder;
    int32_t showCommand = 0;
    uint16_t hotKey = 0;
    TMwResolveOption resolveOption = TMwResolveOption::Interactive;  // input
    TPidlPtr targetPidl;  // only when asked for
    WIN32_FIND_DATAA findData{};
};

// Loads and resolves the shortcut, then reads path (with its find data), arguments,
// description, icon location, working folder, show command and hot key, and the target's
// PIDL when wantPidl. The first failing step ends it with its result; what was read stays.
HRESULT ReadShortcut(const std::string& fileName, TMwShortcutInfo& info, bool wantPidl);

}  // namespace mw
