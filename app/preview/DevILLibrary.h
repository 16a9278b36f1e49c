#pragma once
// DevIL.DLL loaded at run time from a path the caller gives (the program's folder): our
// toolchain has no import library for it, and without the DLL only the texture preview is
// lost, with a message that says what is missing.

#include <string>

#include "app/preview/ImageConversion.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Handles.h"

namespace quillon {

CL_DECLARE_EXCEPTION(EImageLibraryError, cl::Exception);

class TDevILLibrary {
public:
    // Loads the DLL and finds its four calls. Raises EImageLibraryError, with a text for the
    // user, when the file is missing, cannot be loaded or lacks one of the calls.
    explicit TDevILLibrary(const std::string& dllPath);

    const TDevILCalls& Calls() const { return calls_; }

private:
    cl::TModuleHandle module_;
    TDevILCalls calls_{};
};

}  // namespace quillon
