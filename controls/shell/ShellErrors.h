#pragma once
// The error raised when a shell or COM call that must succeed fails.

#include <windows.h>

#include <string>

#include "classlib/core/Exception.h"

namespace mw {

class EMwOleError : public cl::Exception {
public:
    EMwOleError(HRESULT code, const std::string& message) : cl::Exception(message), code_(code) {}
    HRESULT Code() const { return code_; }

private:
    HRESULT code_;
};

// Raises EMwOleError with the system's text for a failed result; returns a successful one.
HRESULT OleCheck(HRESULT result);

}  // namespace mw
