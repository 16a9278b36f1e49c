#include "uninstaller/app/ProgramManager.h"

// The DDE conversation is not built yet: the connection is reported as made and nothing is
// removed, so that the engine's icon step runs through as it will.

bool ConnectProgramManager()
{
    return true;
}

void RemoveProgramManagerIcon(const char* group, const char* name, const char* command)
{
}

void DisconnectProgramManager()
{
}
