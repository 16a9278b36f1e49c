#include "controls/navigation/MwLauncher.h"

#include <shellapi.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Thread.h"
#include "controls/navigation/MwLaunchThread.h"

namespace {

const cl::TEnumNames kShowModeNames{{{"smNormal", 0}, {"smMaximized", 1}, {"smMinimized", 2}, {"smHide", 3}}};
const cl::TEnumNames kWaitTypeNames{{{"wtFullStop", 0}, {"wtProcessMessages", 1}}};

// Posted and sent messages end a cycle of the pumping wait; input, paint and timers alone do not.
constexpr DWORD kPumpWakeMask = QS_POSTMESSAGE | QS_SENDMESSAGE | QS_ALLPOSTMESSAGE;
constexpr DWORD kBackgroundStep = 100;  // ms between two looks at the process and the terminate request
constexpr DWORD kStartPoll = 10;        // ms between two looks at a background start

// The shell's error value of a failed start. The shell reports some failures without one;
// the system's code stands in then, so that a failure never reads as 0 ("none").
unsigned ShellFailureOf(const SHELLEXECUTEINFOA& info) {
    if (const auto code = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(info.hInstApp))) return code;
    if (const DWORD code = GetLastError()) return code;
    return ERROR_GEN_FAILURE;
}

SHELLEXECUTEINFOA ExecuteInfo(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int show) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb.c_str();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = directory.c_str();
    info.nShow = show;
    return info;
}

void ProcessWaitingMessages() {
    if (cl::TApplication* app = cl::Application()) {
        app->ProcessMessages();
        return;
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

const cl::TClassInfo& TMwLauncher::StaticClass() {
    using L = TMwLauncher;
    static const auto info = cl::TClassBuilder<L>("TMwLauncher", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &L::About, &L::SetAbout, mw::kAboutInfoNames)
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

TMwLauncher::~TMwLauncher() {
    // Every worker that may still call back lets go of the launcher and stops at its next step.
    // One whose event handler is running below us on this thread cannot be waited for; it
    // touches nothing of the launcher once that call returns.
    std::vector<cl::TKernelHandle> stopping;
    for (TWorker& worker : workers_) {
        const bool inHandler = worker.thread->InLauncherCall();
        worker.thread->Detach();
        worker.thread->Terminate();
        if (!inHandler) stopping.push_back(std::move(worker.ended));
    }
    workers_.clear();
    for (const cl::TKernelHandle& ended : stopping) cl::WaitServingSynchronize(ended.Get());
}

int TMwLauncher::ShowCommandOf(TShowMode mode) {
    static const int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_HIDE};
    return kShowCommands[static_cast<int>(mode)];
}

void TMwLauncher::Launch() {
    if (busy_ || fileName_.empty()) return;
    // Cleared before any worker runs, so that the poll below cannot end on the last launch's code.
    failureCode_ = 0;
    startResult_ = 0;
    processExitCode_ = 0;
    processHandle_ = nullptr;
    if (waitUntilFinished_) {
        StartAndWait(nullptr);
        return;
    }
    startEnded_ = false;
    auto* thread = new TMwLaunchThread(this);
    try {
        workers_.push_back(TWorker{thread, thread->OpenHandle()});
    } catch (...) {
        delete thread;  // never started
        throw;
    }
    waitThread_ = thread;
    thread->Start();
    // The worker reads the properties until its start has ended; the caller waits for that.
    do Sleep(kStartPoll);
    while (!startEnded_);
}

unsigned TMwLauncher::LaunchNoWait() {
    if (fileName_.empty()) return 0;
    if (!busy_) {  // a launch under way keeps its state
        startResult_ = 0;
        processExitCode_ = 0;
        processHandle_ = nullptr;
    }
    SHELLEXECUTEINFOA info = ExecuteInfo(action_, fileName_, parameters_, startDir_, ShowCommandOf(showMode_));
    if (!ShellExecuteExA(&info)) return ShellFailureOf(info);
    if (info.hProcess) CloseHandle(info.hProcess);  // nobody follows this process
    return 0;
}

void TMwLauncher::StartAndWait(TMwLaunchThread* thread) {
    SHELLEXECUTEINFOA info = ExecuteInfo(action_, fileName_, parameters_, startDir_, ShowCommandOf(showMode_));
    if (!ShellExecuteExA(&info)) {
        const unsigned failure = ShellFailureOf(info);
        failureCode_ = failure;
        if (!thread) {
            DoError();
            return;
        }
        startEnded_ = true;  // Launch returns now; OnError runs when the UI thread serves this call
        thread->WithLauncher([failure](TMwLauncher& launcher) {
            launcher.failureCode_ = failure;  // a later launch may have cleared it meanwhile
            launcher.DoError();
        });
        return;
    }
    startResult_ = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(info.hInstApp));
    processHandle_ = info.hProcess;
    busy_ = true;

    if (!thread) {
        // However the wait ends, handler exceptions included.
        struct TWaitEnd {
            TMwLauncher& launcher;
            ~TWaitEnd() {
                if (HANDLE process = launcher.processHandle_.exchange(nullptr)) CloseHandle(process);
                launcher.busy_ = false;
            }
        } end{*this};
        if (waitType_ == TMwWaitType::ProcessMessages) WaitProcessingMessages();
        else WaitFullStop();
        return;
    }

    // The worker's own copy of the handle: the launcher may be gone when the wait ends.
    const cl::TKernelHandle process(info.hProcess);
    struct TBackgroundWaitEnd {
        TMwLaunchThread& thread;
        ~TBackgroundWaitEnd() {
            try {
                thread.WithLauncher([](TMwLauncher& launcher) {
                    launcher.processHandle_ = nullptr;
                    launcher.busy_ = false;
                });
            } catch (...) {
                cl::TApplication::HandleCurrentException();
            }
        }
    } end{*thread};
    startEnded_ = true;
    WaitInBackground(*thread);
}

void TMwLauncher::ReadExitCode() {
    DWORD code = 0;
    GetExitCodeProcess(processHandle_, &code);
    processExitCode_ = code;
}

void TMwLauncher::WaitFullStop() {
    switch (WaitForSingleObject(processHandle_, static_cast<DWORD>(Timeout()))) {
        case WAIT_OBJECT_0:
            ReadExitCode();
            DoFinished();
            break;
        case WAIT_TIMEOUT:
            DoTimeout();
            break;
        case WAIT_FAILED:
            failureCode_ = GetLastError();
            DoError();
            break;
        default:
            break;
    }
}

void TMwLauncher::WaitProcessingMessages() {
    // The limit applies to each cycle: messages arriving more often than Timeout keep the
    // wait going until the process ends.
    for (;;) {
        const HANDLE process = processHandle_;
        switch (MsgWaitForMultipleObjects(1, &process, FALSE, static_cast<DWORD>(Timeout()), kPumpWakeMask)) {
            case WAIT_OBJECT_0:
                ReadExitCode();
                DoFinished();
                return;
            case WAIT_OBJECT_0 + 1:
                ProcessWaitingMessages();
                break;
            case WAIT_TIMEOUT:
                DoTimeout();
                return;
            case WAIT_FAILED:
                failureCode_ = GetLastError();
                DoError();
                return;
            default:
                break;
        }
    }
}

void TMwLauncher::WaitInBackground(TMwLaunchThread& thread) {
    const HANDLE process = processHandle_;
    DWORD elapsed = 0;
    for (;;) {
        const DWORD result = WaitForSingleObject(process, kBackgroundStep);
        if (result == WAIT_FAILED) {
            const unsigned failure = GetLastError();
            thread.WithLauncher([failure](TMwLauncher& launcher) {
                launcher.failureCode_ = failure;
                launcher.DoError();
            });
            return;
        }
        if (result == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            thread.WithLauncher([code](TMwLauncher& launcher) {
                launcher.processExitCode_ = code;
                launcher.DoFinished();
            });
            return;
        }
        if (result == WAIT_TIMEOUT) {
            elapsed += kBackgroundStep;
            if (elapsed >= static_cast<DWORD>(Timeout())) {
                thread.WithLauncher([](TMwLauncher& launcher) { launcher.DoTimeout(); });
                return;
            }
        }
        if (thread.Terminated()) return;
    }
}

void TMwLauncher::ForgetWorker(TMwLaunchThread* thread) {
    for (auto it = workers_.begin(); it != workers_.end(); ++it) {
        if (it->thread == thread) {
            workers_.erase(it);
            break;
        }
    }
    if (waitThread_ == thread) waitThread_ = nullptr;
}

void TMwLauncher::DoFinished() {
    if (OnFinished) OnFinished(this);
}

void TMwLauncher::DoTimeout() {
    if (OnTimeout) OnTimeout(this);
}

void TMwLauncher::DoError() {
    if (OnError) OnError(this, failureCode_);
}
