#pragma once
// Keeps the system's critical-error boxes (a drive without a disk, say) away for one scope.

#include <windows.h>

namespace mw {

class TQuietErrors {
public:
    TQuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) { SetErrorMode(old_ | SEM_FAILCRITICALERRORS); }
    ~TQuietErrors() { SetErrorMode(old_); }
    TQuietErrors(const TQuietErrors&) = delete;
    TQuietErrors& operator=(const TQuietErrors&) = delete;

private:
    UINT old_;
};

}  // namespace mw
