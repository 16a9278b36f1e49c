#include "app/preview/DevILLibrary.h"

#include <windows.h>

#include "classlib/core/TextUtils.h"
#include "utils/UtFilePresence.h"

namespace quillon {

namespace {

// A program loads only a DLL built for its own kind of processor.
constexpr const char* kWhatItIsFor =
    sizeof(void*) == 8 ? "Quillon needs a 64-bit DevIL.DLL beside its program file to preview DDS and TGA textures."
                       : "Quillon needs a 32-bit DevIL.DLL beside its program file to preview DDS and TGA textures.";

template <class Function>
void Find(HMODULE module, const char* name, Function& function, const std::string& dllPath) {
    // Through the generic function type: GetProcAddress's own type differs from every call's.
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    if (!function)
        throw EImageLibraryError("DevIL.DLL (\"" + dllPath + "\") has no function " + name + ".\r" + kWhatItIsFor);
}

}  // namespace

TDevILLibrary::TDevILLibrary(const std::string& dllPath) {
    if (!ut::FileIsPresent(dllPath))
        throw EImageLibraryError("DevIL.DLL was not found in \"" + cl::ExtractFilePath(dllPath) + "\".\r" + kWhatItIsFor);
    // DevIL's own DLLs, if it has any, are looked for beside it.
    module_.Reset(LoadLibraryExA(dllPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module_)
        throw EImageLibraryError("DevIL.DLL (\"" + dllPath + "\") could not be loaded (error " +
                                 cl::IntToStr(GetLastError()) + ").\r" + kWhatItIsFor);
    Find(module_.Get(), "ilInit", calls_.ilInit, dllPath);
    Find(module_.Get(), "ilLoadImage", calls_.ilLoadImage, dllPath);
    Find(module_.Get(), "ilConvertImage", calls_.ilConvertImage, dllPath);
    Find(module_.Get(), "ilSaveImage", calls_.ilSaveImage, dllPath);
}

}  // namespace quillon
