#pragma once
// The one top folder a build takes: the builder builds a single root folder, so the choice
// decides which entries the built archive holds.

#include <string>
#include <string_view>
#include <vector>

#include "app/build/StagingPlan.h"

namespace quillon {

// The top folder of the files the user added, so that the build keeps them; with added files
// in several top folders, preferred when it holds some, else the first that does. Without
// added files: preferred, else the first top folder. Empty when there is no top folder.
//
// topFolders: the tree's top folders in order; entries: the entry list; preferred: the top
// folder of the folder the user has selected, empty for none.
std::string ChooseBuildRoot(const std::vector<std::string>& topFolders, const std::vector<TBuildListEntry>& entries,
                            std::string_view preferred);

// The top folder of an entry name ("a" of "a/b/c.con"); empty for an entry in no folder.
std::string_view TopFolderOf(std::string_view entryName);

}  // namespace quillon
