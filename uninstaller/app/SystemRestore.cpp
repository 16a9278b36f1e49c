#include "uninstaller/app/SystemRestore.h"

#include <windows.h>

#include <cstdio>

namespace {

#pragma pack(push, 1)
struct RestorePointInfo {
    DWORD eventType;
    DWORD restorePointType;
    int64_t sequenceNumber;
    char description[64];
};
struct StateManagerStatus {
    DWORD status;
    int64_t sequenceNumber;
};
#pragma pack(pop)

typedef BOOL(WINAPI* SetRestorePointProc)(RestorePointInfo*, StateManagerStatus*);

enum {
    kBeginSystemChange = 100,
    kEndSystemChange = 101,
    kApplicationUninstall = 0,
    kCancelledOperation = 13
};

SetRestorePointProc SetRestorePointOf(void* library)
{
    return reinterpret_cast<SetRestorePointProc>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), "SRSetRestorePoint")));
}

}  // namespace

RestorePoint BeginRestorePoint(const char* productTitle)
{
    RestorePoint point{};
    HMODULE library = LoadLibraryA("SFC.DLL");
    if (!library)
        return point;
    SetRestorePointProc setRestorePoint = SetRestorePointOf(library);
    RestorePointInfo info{};
    info.eventType = kBeginSystemChange;
    info.restorePointType = kApplicationUninstall;
    std::snprintf(info.description, sizeof info.description, "Uninstall %s", productTitle);
    StateManagerStatus status{};
    if (!setRestorePoint || !setRestorePoint(&info, &status)) {
        FreeLibrary(library);
        return point;
    }
    point.library = library;
    point.sequenceNumber = status.sequenceNumber;
    point.open = true;
    return point;
}

void EndRestorePoint(RestorePoint* point, bool cancelled)
{
    if (!point->open)
        return;
    RestorePointInfo info{};
    info.eventType = kEndSystemChange;
    info.restorePointType = cancelled ? kCancelledOperation : kApplicationUninstall;
    info.sequenceNumber = point->sequenceNumber;
    StateManagerStatus status{};
    SetRestorePointOf(point->library)(&info, &status);
    FreeLibrary(static_cast<HMODULE>(point->library));
    *point = RestorePoint{};
}
