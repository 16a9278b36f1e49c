#pragma once
// Files in use: deletion and replacement at the next restart, and the restart program.

#include <cstddef>

// Schedules path for deletion at the next restart (on the NT family through MoveFileEx,
// elsewhere through WININIT.INI). 0 on success.
int ScheduleDeletionAtRestart(const char* path);

// Writes the restart program into the Windows directory and returns its path in out.
// 0 on success, 1 when it could not be written.
int WriteRestartProgram(char* out, size_t size);
