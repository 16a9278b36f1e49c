#pragma once
// The protected folders of this system (ProtectedFolderRules.h): the Windows and System
// folders in both views of a 64-bit system, both Program Files folders and their Common Files,
// ProgramData, the users folder, every user profile with its known folders, the shell's
// special folders and the temporary folder.

#include "uninstaller/app/ProtectedFolderRules.h"

ProtectedFolderRules SystemProtectedFolders();
