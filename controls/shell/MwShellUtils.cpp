#include "controls/shell/MwShellUtils.h"

#include <shlobj.h>

#include "controls/shell/MwDeviceChangeHandler.h"
#include "utils/UtModuleInfo.h"

namespace mw {

namespace {

struct TShellFacts {
    OSVERSIONINFOA osVersion{};
    IMalloc* shellMalloc = nullptr;  // one reference, released at finalization
    TFileVersion comCtlVersion;
};

TShellFacts& Facts() {
    static TShellFacts facts;
    return facts;
}

}  // namespace

bool GetFileVersion(const std::string& fileName, TFileVersion& version) {
    VS_FIXEDFILEINFO info{};
    if (!ut::ReadFixedVersionInfo(fileName, info)) return false;
    version.ms = info.dwFileVersionMS;
    version.ls = info.dwFileVersionLS;
    return true;
}

const OSVERSIONINFOA& OSVersion() { return Facts().osVersion; }

bool IsWinNT() { return Facts().osVersion.dwPlatformId == VER_PLATFORM_WIN32_NT; }

TFileVersion ComCtlVersion() { return Facts().comCtlVersion; }

IMalloc* GetShellMalloc() {
    IMalloc*& malloc = Facts().shellMalloc;
    if (!malloc && FAILED(SHGetMalloc(&malloc))) malloc = nullptr;
    return malloc;
}

void InitializeShellUtils() {
    TShellFacts& facts = Facts();
    facts.osVersion = OSVERSIONINFOA{};
    facts.osVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);  // 148, the ANSI record
    GetVersionExA(&facts.osVersion);
    GetShellMalloc();
    if (!GetFileVersion("comctl32.dll", facts.comCtlVersion)) facts.comCtlVersion = TFileVersion{};
}

void FinalizeShellUtils() {
    FreeDeviceChangeHandler();
    if (IMalloc* malloc = Facts().shellMalloc) malloc->Release();
    Facts().shellMalloc = nullptr;
}

}  // namespace mw
