#include "uninstaller/app/WindowsEngineActions.h"

#include <windows.h>

#include "uninstaller/app/ProgramManager.h"
#include "uninstaller/app/SelfRegistration.h"
#include "uninstaller/app/ServiceRemoval.h"
#include "uninstaller/app/SystemIniDevices.h"
#include "uninstaller/log/ItemStore.h"

void WindowsEngineActions::DeleteService(const char* name)
{
    StopAndDeleteService(name);
}

void WindowsEngineActions::RunAndWait(const char* program, const char* arguments)
{
    ::RunAndWait(program, arguments);
}

void WindowsEngineActions::StartProgram(const char* commandLine)
{
    WinExec(commandLine, SW_SHOW);
}

void WindowsEngineActions::SelfRegister(const char* path, bool registerIt)
{
    SelfRegisterFile(path, registerIt);
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
