#pragma once
// Where a path really leads on this system: every junction and symbolic link on the way
// followed.

#include <windows.h>

#include <string>

// The final path of an open file or folder, every link on the way followed, without "\\?\".
// False when the system cannot tell (before Vista).
bool FinalPathOfHandle(HANDLE handle, std::wstring* path);

// The full path with its links followed, without a trailing "\". For a path that does not
// exist, its deepest existing folder is resolved and the rest appended. False when nothing of
// it could be resolved.
bool ResolveLinks(const std::wstring& path, std::wstring* out);
