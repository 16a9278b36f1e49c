#pragma once
// Whether two folder (or file) paths name one folder (or file), as the file system resolves
// them: other spellings, "..", links and short names on the way all lead to the same object.

#include <string>

namespace quillon {

// False when either folder does not exist.
bool IsSameFolder(const std::string& a, const std::string& b);

// Whether two paths name one existing file, hard links included. False when either does not
// exist.
bool IsSameFile(const std::string& a, const std::string& b);

// Whether path (a file or folder, existing or not) would be an item of folder itself.
bool LiesDirectlyIn(const std::string& path, const std::string& folder);

}  // namespace quillon
