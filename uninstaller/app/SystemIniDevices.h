#pragma once
// Drivers the installation added to SYSTEM.INI ("device=" lines of section "[386Enh]").

// Comments out the lines that load the driver at path (by its name in the System directory or
// by its whole path). SYSTEM.INI is replaced only when a line changed and the new text was
// written whole.
void RemoveDeviceLine(const char* path);
