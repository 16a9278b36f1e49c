#include "app/archive/RFAFormatError.h"

namespace quillon {

void RaiseRFAFormatError(const std::string& archiveName, const std::string& problem) {
    throw ERFAFormatError("The archive \"" + archiveName + "\" is damaged: " + problem + ".");
}

}  // namespace quillon
