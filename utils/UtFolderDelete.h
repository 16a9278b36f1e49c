#pragma once
// Recursive deletion of a folder with everything in it.

#include <functional>
#include <string>

namespace ut {

// Decides whether the file at path (with its attributes) may be deleted.
using DeleteFilter = std::function<bool(const std::string& path, unsigned attributes)>;

// Deletes the folder and its contents, by our own recursion or (useShell) through the shell
// with its recycle bin. Failures are ignored.
void DeleteFolderTree(const std::string& path, bool useShell);

// Deletes the files (those the filter allows, when there is one) and subfolders of path, clearing
// read-only attributes first, and then the folder itself. A directory link (symbolic link or
// junction) is unlinked, never followed: emptying the target would delete files outside the tree.
// True when the folder is gone; with stopOnError the walk ends at the first failure.
bool DeleteFolderContents(const std::string& path, bool stopOnError, const DeleteFilter& filter = nullptr);

}  // namespace ut
