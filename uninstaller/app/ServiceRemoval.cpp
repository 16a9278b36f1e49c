#include "uninstaller/app/ServiceRemoval.h"

#include <windows.h>

#include <vector>

namespace {

struct ServiceHandle {
    SC_HANDLE handle;
    explicit ServiceHandle(SC_HANDLE h) : handle(h) {}
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    ~ServiceHandle()
    {
        if (handle)
            CloseServiceHandle(handle);
    }
};

}  // namespace

bool ServiceProgramOf(const char* name, char* program, std::size_t size)
{
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.handle || size == 0)
        return false;
    ServiceHandle service(OpenServiceA(manager.handle, name, SERVICE_QUERY_CONFIG));
    if (!service.handle)
        return false;
    DWORD needed = 0;
    QueryServiceConfigA(service.handle, nullptr, 0, &needed);
    std::vector<unsigned char> buffer(needed ? needed : sizeof(QUERY_SERVICE_CONFIGA));
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    program[0] = '\0';
    if (QueryServiceConfigA(service.handle, config, static_cast<DWORD>(buffer.size()), &needed) &&
        config->lpBinaryPathName)
        lstrcpynA(program, config->lpBinaryPathName, static_cast<int>(size));
    return true;
}

bool StopAndDeleteService(const char* name)
{
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.handle)
        return false;
    ServiceHandle service(OpenServiceA(manager.handle, name, DELETE | SERVICE_STOP));
    if (!service.handle)
        return false;
    SERVICE_STATUS status;
    ControlService(service.handle, SERVICE_CONTROL_STOP, &status);
    return DeleteService(service.handle) != FALSE;
}
