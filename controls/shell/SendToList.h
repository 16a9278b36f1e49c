#pragma once
// The entries of the user's Send To folder, for the Send To sub-menu the controls draw when
// the shell's menu cannot, and sending data to one of them as a drop onto it.

#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace mw {

struct TSendToEntry {
    std::string name;    // file name without path
    int iconIndex = -1;  // in the small system image list; -1 when the file could not be parsed
};

// The process-wide list, sorted by name without regard to case, as last filled.
const std::vector<TSendToEntry>& SendToList();
// Fills the list afresh from the Send To folder: every file that is neither a folder nor hidden.
const std::vector<TSendToEntry>& FillSendToList();
// The entries of one folder, by the same rules.
std::vector<TSendToEntry> ReadSendToFolder(const std::string& folder);
void FreeSendToList();

// Drops the data onto the Send To entry of that name (enter, over, then drop with the
// hourglass cursor, as a left-button copy at (0, 0)). Raises EMwOleError when the folder, the
// entry or its drop target cannot be had or a step fails.
void SendTo(const std::string& entryName, IDataObject* data);

}  // namespace mw
