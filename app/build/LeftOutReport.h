#pragma once
// What the user is told about the entries a build leaves out: the question before it, and what
// is said once the archive is written without them.

#include <string>
#include <vector>

#include "app/build/StagingPlan.h"

namespace quillon {

// One line per file the user added, by the name it would have had in the archive; then one per
// other top folder with the number of its files, entries in no folder by name, and the folders
// and entries whose names cannot be staged.
std::vector<std::string> LeftOutLines(const TStagingPlan& plan, const std::vector<TBuildListEntry>& entries);

// Asked before anything is staged; root is the top folder the build takes.
std::string LeftOutQuestion(const std::string& root, const TStagingPlan& plan, const std::vector<TBuildListEntry>& entries);

// Said once the builder has written the archive without them.
std::string BuiltWithoutText(const std::string& root, size_t leftOutFiles);

}  // namespace quillon
