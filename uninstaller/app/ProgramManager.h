#pragma once
// Program Manager icons, removed through its DDE server "PROGMAN".

// Connects to the Program Manager; false when there is none.
bool ConnectProgramManager();

// Removes the items that match the icon (by command, or by group and name) and a group that
// became empty.
void RemoveProgramManagerIcon(const char* group, const char* name, const char* command);

// Ends the conversation and the DDE client.
void DisconnectProgramManager();
