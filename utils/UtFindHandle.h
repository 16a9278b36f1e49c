#pragma once
// Owns a FindFirstFileA search and closes it.

#include <windows.h>

#include <string>

namespace ut {

class FindHandle {
public:
    FindHandle(const std::string& mask, WIN32_FIND_DATAA& data)
        : handle_(FindFirstFileA(mask.c_str(), &data)) {}
    ~FindHandle() {
        if (IsValid()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(handle_, &data) != FALSE; }

private:
    HANDLE handle_;
};

}  // namespace ut
