#include "controls/shell/ShellItemDetails.h"

#include <shellapi.h>

#include "classlib/win/Handles.h"
#include "controls/shell/QuietErrors.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/SizeText.h"

namespace mw {

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    char text[16] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 0 ? text : fallback;
}

bool FindItem(const std::string& path, WIN32_FIND_DATAA& data) {
    TQuietErrors quiet;
    const cl::TFindHandle find(FindFirstFileA(path.c_str(), &data));
    return static_cast<bool>(find);
}

bool IsZero(const FILETIME& time) { return time.dwLowDateTime == 0 && time.dwHighDateTime == 0; }

}  // namespace

std::string FormatSizeKB(uint64_t size) { return FormatSizeKB(size, LocaleText(LOCALE_STHOUSAND, ",")); }

std::string FormatFileTime(const FILETIME& time) {
    if (IsZero(time)) return {};
    FILETIME local{};
    SYSTEMTIME parts{};
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &parts)) return {};
    char date[80] = {};
    char clock[80] = {};
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &parts, nullptr, date, sizeof date)) return {};
    if (!GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &parts, nullptr, clock, sizeof clock)) return {};
    return std::string(date) + " " + clock;
}

TItemDetails ReadItemDetails(LPCITEMIDLIST absolutePidl, ULONG attributes) {
    TItemDetails details;
    const std::string path = PidlToPath(absolutePidl);
    WIN32_FIND_DATAA data{};
    // Drive roots ("C:\") are not looked up: FindFirstFile cannot find them.
    if (path.size() > 3 && FindItem(path, data)) {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            details.sizeText = FormatSizeKB(uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow);
        details.modifiedText = FormatFileTime(IsZero(data.ftLastWriteTime) ? data.ftCreationTime : data.ftLastWriteTime);
    }
    if (!(attributes & SFGAO_FILESYSTEM)) {
        details.typeText = "System Folder";
    } else {
        SHFILEINFOA info{};
        if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolutePidl), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_PIDL))
            details.typeText = std::string(info.szTypeName, strnlen(info.szTypeName, sizeof info.szTypeName));
    }
    return details;
}

}  // namespace mw
