#include "controls/navigation/MwLauncher.h"

#include <windows.h>
#include <shellapi.h>

#include "classlib/core/ClassBuilder.h"

namespace {
const cl::TEnumNames kShowModeNames{{{"smNormal", 0}, {"smMaximized", 1}, {"smMinimized", 2}, {"smHide", 3}}};
const cl::TEnumNames kWaitTypeNames{{{"wtFullStop", 0}, {"wtProcessMessages", 1}}};
}  // namespace

const cl::TClassInfo& TMwLauncher::StaticClass() {
    using L = TMwLauncher;
    static const auto info = cl::TClassBuilder<L>("TMwLauncher", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Str("Action", &L::Action, &L::SetAction)
                                 .Str("FileName", &L::FileName, &L::SetFileName)
                                 .Str("Parameters", &L::Parameters, &L::SetParameters)
                                 .Enum<TShowMode>("ShowMode", &L::ShowMode, &L::SetShowMode, kShowModeNames)
                                 .Str("StartDir", &L::StartDir, &L::SetStartDir)
                                 .Int("Timeout", &L::Timeout, &L::SetTimeout)
                                 .Enum<TMwWaitType>("WaitType", &L::WaitType, &L::SetWaitType, kWaitTypeNames)
                                 .Bool("WaitUntilFinished", &L::WaitUntilFinished, &L::SetWaitUntilFinished)
                                 .Event("OnFinished", &L::OnFinished)
                                 .Event("OnTimeout", &L::OnTimeout)
                                 .Event("OnError", &L::OnError)
                                 .Build();
    return *info;
}

int TMwLauncher::ShowCommandOf(TShowMode mode) {
    switch (mode) {
        case TShowMode::Normal: return SW_SHOWNORMAL;
        case TShowMode::Maximized: return SW_SHOWMAXIMIZED;
        case TShowMode::Minimized: return SW_SHOWMINIMIZED;
        case TShowMode::Hide: return SW_HIDE;
    }
    return SW_SHOWNORMAL;
}

bool TMwLauncher::Start(unsigned& failure) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = action_.c_str();
    info.lpFile = fileName_.c_str();
    info.lpParameters = parameters_.c_str();
    info.lpDirectory = startDir_.c_str();
    info.nShow = ShowCommandOf(showMode_);
    if (!ShellExecuteExA(&info)) {
        failure = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(info.hInstApp));
        return false;
    }
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}

void TMwLauncher::Launch() {
    if (fileName_.empty()) return;
    failureCode_ = 0;
    if (!Start(failureCode_)) OnError(this, failureCode_);
}

unsigned TMwLauncher::LaunchNoWait() {
    unsigned failure = 0;
    if (fileName_.empty() || Start(failure)) return 0;
    return failure;
}
