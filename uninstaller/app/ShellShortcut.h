#pragma once
// Shortcut files (.lnk) written through the shell's link object.

#include "uninstaller/app/LinkInfo.h"

// Writes the shortcut at path (ANSI), creating the folders along it. False when COM, the link
// object or the save failed.
bool SaveShellShortcut(const char* path, const ShortcutInfo& link);
