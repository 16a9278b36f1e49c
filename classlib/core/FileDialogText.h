#pragma once
// The texts the Windows file dialogs exchange: the filter list, and the chosen files as one
// buffer of null-separated parts.

#include <string>
#include <vector>

namespace cl {

// "Text files|*.txt|All files|*.*" becomes "Text files\0*.txt\0All files\0*.*\0\0": each "|"
// a null character and the list ended by two. An empty filter stays empty (no filter).
std::string FileDialogFilter(const std::string& filter);

// The chosen files as full paths, in the dialog's order. The buffer holds either one full path,
// or (for a multi-selection) the folder followed by the names in it, each part ended by a null
// character and the whole by a second one. Names that are full paths of their own are kept.
std::vector<std::string> ParseFileDialogResult(const std::string& buffer);

}  // namespace cl
