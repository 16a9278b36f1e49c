#include "uninstaller/app/DatabaseEngine.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/RegistryValueData.h"

namespace {

const char kEngineKey[] = "Software\\Borland\\Database Engine";
const char kLinkKey[] = "Software\\Borland\\BLW32";
const char kVendorKey[] = "Software\\Borland";

}  // namespace

SubSystemResult RemoveDatabaseEngine(EngineRegistry& registry, EngineActions& actions, EngineUi& ui, bool silent)
{
    unsigned type = 0;
    unsigned char data[64];
    std::size_t size = sizeof data;
    long count = 0;
    if (!registry.ReadValue(kRootLocalMachine, kEngineKey, "UseCount", &type, data, &size) ||
        !ReadCounter(type, data, size, &count))
        return kSubSystemDone;

    if (count >= 2) {
        char text[16];
        int length = std::snprintf(text, sizeof text, "%ld", count - 1);
        registry.WriteValue(kRootLocalMachine, kEngineKey, "UseCount", kRegSz,
                            reinterpret_cast<const unsigned char*>(text), static_cast<std::size_t>(length) + 1, false);
        return kSubSystemDone;
    }
    if (count != 1)
        return kSubSystemDone;

    while (actions.WindowOfClassExists("IB_Server")) {
        if (silent)
            return kSubSystemDone;
        ServerAnswer answer = ui.AskToStopDatabaseServer();
        if (answer == kServerAbort)
            return kSubSystemAborted;
        if (answer == kServerIgnore)
            break;
    }
    DeleteRegistryTree(registry, kRootLocalMachine, kEngineKey);
    DeleteRegistryTree(registry, kRootLocalMachine, kLinkKey);
    if (registry.StateOf(kRootLocalMachine, kVendorKey) == kKeyEmpty)
        registry.DeleteKey(kRootLocalMachine, kVendorKey);
    return kSubSystemDone;
}
