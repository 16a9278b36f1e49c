#include "uninstaller/app/WindowsEngineActions.h"

#include <windows.h>

#include "uninstaller/app/ProgramManager.h"
#include "uninstaller/app/SelfRegistration.h"
#include "uninstaller/app/ServiceRemoval.h"
#include "uninstaller/app/SystemIniDevices.h"
#include "uninstaller/log/ItemStore.h"

bool WindowsEngineActions::ServiceProgram(const char* name, char* program, std::size_t size)
{
    return ServiceProgramOf(name, program, size);
}

bool WindowsEngineActions::DeleteService(const char* name)
{
    return StopAndDeleteService(name);
}

WaitOutcome WindowsEngineActions::RunAndWait(const char* program, const char* arguments, unsigned limitMs)
{
    return ::RunAndWait(program, arguments, limitMs);
}

void WindowsEngineActions::StartProgram(const char* commandLine)
{
    WinExec(commandLine, SW_SHOW);
}

WaitOutcome WindowsEngineActions::SelfRegister(const char* path, bool registerIt, unsigned limitMs)
{
    return SelfRegisterFile(path, registerIt, limitMs);
}

bool WindowsEngineActions::WindowOfClassExists(const char* className)
{
    return FindWindowA(className, nullptr) != nullptr;
}

void WindowsEngineActions::RemoveDeviceLine(const char* path)
{
    ::RemoveDeviceLine(path);
}

bool WindowsEngineActions::ConnectProgramManager()
{
    return ::ConnectProgramManager();
}

void WindowsEngineActions::RemoveIcon(const IconRecord& icon)
{
    RemoveProgramManagerIcon(icon.group, icon.name, icon.command);
}

void WindowsEngineActions::DisconnectProgramManager()
{
    ::DisconnectProgramManager();
}
