#pragma once
// Program Manager icons, removed through its DDE server "PROGMAN".

// Connects to the Program Manager and reads its groups; false when no server answered.
bool ConnectProgramManager();

// Removes the items that match the icon (by command, or by group and name) and a group that
// became empty.
void RemoveProgramManagerIcon(const char* group, const char* name, const char* command);

// Ends the conversation and the DDE client.
void DisconnectProgramManager();

// The service asked for; null restores "PROGMAN". Tests serve one of their own.
void SetProgramManagerService(const char* service);
