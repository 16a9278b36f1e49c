#pragma once
// Exceptions of the file and folder utilities.

#include <string>

#include "classlib/core/Exception.h"

namespace ut {

class EUtError : public cl::Exception {
public:
    explicit EUtError(const std::string& message) : cl::Exception(message) {}
};

// Raised by CreateFolderPath when it is given no path at all.
class EUtFileUtilsError : public EUtError {
public:
    EUtFileUtilsError() : EUtError("Unable to create directory") {}
};

}  // namespace ut
