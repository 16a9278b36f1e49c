#pragma once
// The engine's other system actions: services, programs, registration, SYSTEM.INI devices and
// Program Manager icons.

#include "uninstaller/app/EngineHost.h"

class WindowsEngineActions : public EngineActions {
public:
    void DeleteService(const char* name) override;
    void RunAndWait(const char* program, const char* arguments) override;
    void StartProgram(const char* commandLine) override;
    void SelfRegister(const char* path, bool registerIt) override;
    bool WindowOfClassExists(const char* className) override;
    void RemoveDeviceLine(const char* path) override;
    bool ConnectProgramManager() override;
    void RemoveIcon(const IconRecord& icon) override;
    void DisconnectProgramManager() override;
};
