#include "uninstaller/app/Engine.h"

// The engine's steps are not built yet: an uninstall changes nothing and reports success.

int PerformUninstall(const char* logPath)
{
    return 0;
}

void RemoveDirectoryTree(const char* folder, bool withFiles)
{
}
