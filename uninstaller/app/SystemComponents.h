#pragma once
// The files a Windows system ships: the ones its file protection guards, and the programs and
// libraries of the system's maker in the Windows folder ("ole32.dll" in the System folder).

// The file at path (ANSI) is one of them.
bool IsSystemComponent(const char* path);
