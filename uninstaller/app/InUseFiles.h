#pragma once
// Files in use: deletion and replacement at the next restart, and the restart program.

#include <cstddef>
#include <string>

#include "uninstaller/app/EngineHost.h"

// Paths are full paths in UTF-16, taken exactly as given (WideText.h).

// Deletes the file, read-only or not, once it is the file expected: opened without following a
// link at its end, its final path must be leadsTo; otherwise it is left (kFileElsewhere). A
// link at the end goes as a link. One in use is scheduled for deletion at the next restart when
// the log allows it ("Delete in-use files: On"), which makes a restart needed. This program's
// own file is never scheduled: the run notes that it was to be deleted, and the temporary copy
// deletes it once this program has ended (reported as scheduled).
FileRemoval DeleteFileOrSchedule(const std::wstring& path, const std::wstring& leadsTo);

// Removes an empty folder, or a link to a folder as a link, once it is the one expected (as
// above). False when it is still there.
bool RemoveFolderExpected(const std::wstring& folder, const std::wstring& leadsTo);

// The shell hears of deleted files once per folder (an update of the folder) rather than once
// per file: a notification for each file has the shell look at its folder again every time,
// which held large runs to a few hundred files a second. Deletions in one folder are told when
// one in another folder follows, and the last ones when this is called (the end of a run).
void NotifyShellOfDeletedFiles();

// Copies the backup over the target. A target in use is replaced at the next restart by a copy
// of the backup under a free name "~VZUnnnn.TMP" beside it (a restart is then needed).
BackupCopy CopyBackupOver(const std::wstring& backup, const std::wstring& target);

// Schedules path (ANSI) for deletion at the next restart (on the NT family through MoveFileEx,
// elsewhere through WININIT.INI). 0 on success.
int ScheduleDeletionAtRestart(const char* path);

// The helper programs in the resources: type 300; the restart program for the NT family is
// 30202.
enum { kHelperProgramType = 300, kRestartProgramId = 30202 };

// Writes the restart program into the Windows directory as "_MSRSTRT.EXE" and returns its
// path in out. 0 on success, 1 when it could not be written whole.
int WriteRestartProgram(char* out, size_t size);
