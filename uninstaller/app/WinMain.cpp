#include <windows.h>

#include "uninstaller/app/Uninstaller.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    ExitProcess(static_cast<UINT>(RunUninstaller(instance, commandLine)));
}
