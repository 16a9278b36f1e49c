#pragma once
// The engine's other system actions: services, programs, registration, SYSTEM.INI devices and
// Program Manager icons.

#include "uninstaller/app/EngineHost.h"

class WindowsEngineActions : public EngineActions {
public:
    bool ServiceProgram(const char* name, char* program, std::size_t size) override;
    bool DeleteService(const char* name) override;
    WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs) override;
    void StartProgram(const char* commandLine) override;
    WaitOutcome SelfRegister(const char* path, bool registerIt, unsigned limitMs) override;
    bool WindowOfClassExists(const char* className) override;
    void RemoveDeviceLine(const char* path) override;
    bool ConnectProgramManager() override;
    void RemoveIcon(const IconRecord& icon) override;
    void DisconnectProgramManager() override;
};
