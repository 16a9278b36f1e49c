#pragma once
// The error raised for a damaged or truncated archive. Its message names the archive and says
// what is wrong, for example:
//   The archive "C:\Games\x.rfa" is damaged: entry 3 has a name length of 70000 bytes (at most 512).

#include <string>

#include "classlib/core/Exception.h"

namespace quillon {

CL_DECLARE_EXCEPTION(ERFAFormatError, cl::Exception);

[[noreturn]] void RaiseRFAFormatError(const std::string& archiveName, const std::string& problem);

}  // namespace quillon
