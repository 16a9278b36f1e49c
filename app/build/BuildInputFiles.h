#pragma once
// The two files the outside builder runs from: the batch file started in the program's folder,
// and the parameter file it feeds to the builder's standard input.

#include <string>

namespace quillon {

extern const char kBuildFolderName[];      // "~RFA_BUILD", the staging folder
extern const char kBuildParameterFile[];   // "RFABatchParams.Txt"
extern const char kBuildBatchFile[];       // "RFABatch.Bat"
extern const char kBuilderProgram[];       // "MakeRFA.EXE"

// The builder's five answers, each ended by CR LF: the staged root folder (a disk path with a
// trailing "\"), the root folder's archive name with a trailing "/", "N", the archive to write
// and "Y" or "N" for compression.
std::string BuildParameterText(const std::string& stagedRoot, const std::string& rootName, const std::string& target,
                               bool compress);

// "MakeRFA.EXE < "RFABatchParams.Txt"" and CR LF.
std::string BuildBatchText();

}  // namespace quillon
