#include "utils/UtModuleInfo.h"

#include <cstring>
#include <vector>

namespace ut {

std::string ModuleFilePath(HMODULE module) {
    // GetModuleFileNameA truncates to the buffer and then returns the buffer's full size, so
    // grow until the name and its terminator fit.
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 32768) return std::string();  // beyond any Windows path
        buffer.resize(buffer.size() * 2);
    }
}

bool ReadFixedVersionInfo(const std::string& fileName, VS_FIXEDFILEINFO& info) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<char> resource(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, resource.data())) return false;
    void* fixed = nullptr;
    UINT fixedSize = 0;
    char root[] = "\\";
    if (!VerQueryValueA(resource.data(), root, &fixed, &fixedSize)) return false;
    if (fixedSize != sizeof(VS_FIXEDFILEINFO)) return false;
    std::memcpy(&info, fixed, sizeof info);
    return true;
}

}  // namespace ut
