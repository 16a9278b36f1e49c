#include "uninstaller/app/ServiceRemoval.h"

#include <windows.h>

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

void StopAndDeleteService(const char* name)
{
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.handle)
        return;
    ServiceHandle service(OpenServiceA(manager.handle, name, DELETE | SERVICE_STOP));
    if (!service.handle)
        return;
    SERVICE_STATUS status;
    ControlService(service.handle, SERVICE_CONTROL_STOP, &status);
    DeleteService(service.handle);
}
