#include "utils/UtFilePresence.h"

#include <windows.h>

#include "utils/UtFindHandle.h"

namespace ut {

namespace {

class CriticalErrorsSuppressed {
public:
    CriticalErrorsSuppressed() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~CriticalErrorsSuppressed() { SetErrorMode(previous_); }
    CriticalErrorsSuppressed(const CriticalErrorsSuppressed&) = delete;
    CriticalErrorsSuppressed& operator=(const CriticalErrorsSuppressed&) = delete;

private:
    UINT previous_;
};

}  // namespace

int64_t FileSizeOrMinusOne(const std::string& pathOrMask) {
    CriticalErrorsSuppressed noDialogs;
    WIN32_FIND_DATAA data;
    FindHandle search(pathOrMask, data);
    if (!search.IsValid()) return -1;
    // The full 64-bit size: a 32-bit one would make a 4 GiB - 1 file look absent.
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool FileIsPresent(const std::string& pathOrMask) {
    return FileSizeOrMinusOne(pathOrMask) != -1;
}

}  // namespace ut
