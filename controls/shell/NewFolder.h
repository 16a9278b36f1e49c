#pragma once
// Making a new folder with a free name: "New Folder", "New Folder (2)"... and, when the file
// system takes none of those, "fldr", "fldr2"...

#include <string>

namespace mw {

// In parentPath ("" is the current folder). True with the new folder's name; a failure other
// than a taken name is shown as a warning box, and so is running out of names.
bool CreateNewFolder(const std::string& parentPath, std::string& name);

}  // namespace mw
