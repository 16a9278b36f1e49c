#pragma once
// Files in use: deletion and replacement at the next restart, and the restart program.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"

// Deletes the file. One in use is scheduled for deletion at the next restart when the log
// allows it ("Delete in-use files: On"), which makes a restart needed. This program's own file
// is never scheduled: the run notes that it was to be deleted, and the temporary copy deletes
// it once this program has ended (reported as scheduled).
FileRemoval DeleteFileOrSchedule(const char* path);

// Copies the backup over the target and deletes the backup. A target in use is replaced at the
// next restart (a restart is then needed). False when the target could not be restored; it is
// then deleted rather than left as the version the backup was to replace.
bool PutBackupBack(const char* backup, const char* target);

// Schedules path for deletion at the next restart (on the NT family through MoveFileEx,
// elsewhere through WININIT.INI). 0 on success.
int ScheduleDeletionAtRestart(const char* path);

// Writes the restart program into the Windows directory and returns its path in out.
// 0 on success, 1 when it could not be written.
int WriteRestartProgram(char* out, size_t size);
