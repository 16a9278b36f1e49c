#include "app/build/BuildInputFiles.h"

namespace quillon {

const char kBuildFolderName[] = "~RFA_BUILD";
const char kBuildParameterFile[] = "RFABatchParams.Txt";
const char kBuildBatchFile[] = "RFABatch.Bat";
const char kBuilderProgram[] = "MakeRFA.EXE";

std::string BuildParameterText(const std::string& stagedRoot, const std::string& rootName, const std::string& target,
                               bool compress) {
    std::string text;
    for (const std::string& line : {stagedRoot, rootName + "/", std::string("N"), target, std::string(compress ? "Y" : "N")})
        text += line + "\r\n";
    return text;
}

std::string BuildBatchText() { return std::string(kBuilderProgram) + " < \"" + kBuildParameterFile + "\"\r\n"; }

}  // namespace quillon
