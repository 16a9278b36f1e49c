#pragma once
// The temporary copy of the program. The uninstaller cannot delete its own running file, so
// it copies itself to VZB1A2B.EXE in the temporary folder; when the run deleted the original,
// the copy is started to remove what the original leaves behind.

// Copies the program to the temporary folder and schedules the copy for deletion at the next
// restart. On success g_app.temporaryCopyPath names the copy; a failed copy is not an error.
void MakeTemporaryCopy();

// The work of the copy itself: waits a second for the launching program to end, deletes its
// file when that is this program (same size and CRC-32) and removes its folder and the top
// created directory when they are empty.
void CleanUpAfterLauncher();
