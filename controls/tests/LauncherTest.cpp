// The launcher starting a stand-in program in each of its wait modes: the events, the exit
// code, the limit, start failures, launches while busy, handler exceptions, and freeing the
// launcher while its worker runs.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/FormReader.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Handles.h"
#include "controls/navigation/MwLaunchThread.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/tests/LaunchStub.h"

namespace {

enum class Mode { FullStop, ProcessMessages, Background };

const char* NameOf(Mode mode) {
    switch (mode) {
        case Mode::FullStop: return "full stop";
        case Mode::ProcessMessages: return "processing messages";
        case Mode::Background: return "background";
    }
    return "";
}

constexpr unsigned kFileNotFound = SE_ERR_FNF;  // the shell's error value

const Mode kAllModes[] = {Mode::FullStop, Mode::ProcessMessages, Mode::Background};

void SetMode(TMwLauncher& launcher, Mode mode) {
    launcher.SetWaitUntilFinished(mode != Mode::Background);
    launcher.SetWaitType(mode == Mode::ProcessMessages ? TMwWaitType::ProcessMessages : TMwWaitType::FullStop);
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of('\\'));
}

// A handle of our own to a handle that the launcher (or a thread) closes later.
cl::TKernelHandle Duplicate(HANDLE handle) {
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    return cl::TKernelHandle(copy);
}

bool Signalled(const cl::TKernelHandle& handle) { return WaitForSingleObject(handle.Get(), 0) == WAIT_OBJECT_0; }

class LauncherTest : public ::testing::Test {
protected:
    struct TRaised {
        std::string event;
        unsigned code;   // ErrorCode of OnError
        DWORD threadId;  // where the handler ran
        bool busy;       // the launcher's Busy while it ran
        bool operator==(const TRaised& other) const {
            return event == other.event && code == other.code && threadId == other.threadId && busy == other.busy;
        }
        friend void PrintTo(const TRaised& r, std::ostream* os) {
            *os << r.event << " (code " << r.code << ", thread " << r.threadId << (r.busy ? ", busy)" : ", idle)");
        }
    };

    void SetUp() override {
        app.OnException = [this](const std::string& message) { errors.push_back(message); };
        release.Reset(CreateEventA(nullptr, TRUE, FALSE, kReleaseEventName));
        launcher = NewLauncher();
    }
    // Every stand-in still waiting ends now.
    void TearDown() override { SetEvent(release.Get()); }

    // A launcher of the stand-in program that records its events.
    TMwLauncher* NewLauncher() {
        auto* l = new TMwLauncher(&app);
        l->SetFileName(stub);
        l->OnFinished = cl::TNotifyEvent::FromFunction([this, l](cl::TObject*) { Record(*l, "finished", 0); });
        l->OnTimeout = cl::TNotifyEvent::FromFunction([this, l](cl::TObject*) { Record(*l, "timeout", 0); });
        l->OnError = TMwLaunchErrorEvent::FromFunction([this, l](cl::TObject*, unsigned code) { Record(*l, "error", code); });
        return l;
    }
    void Record(TMwLauncher& l, const char* event, unsigned code) {
        raised.push_back({event, code, GetCurrentThreadId(), l.Busy()});
        onEvent(l);
    }
    // What a handler expects to have seen: on this (the UI) thread, while the launcher was busy.
    TRaised Seen(const char* event, unsigned code = 0, bool busy = true) const {
        return {event, code, uiThread, busy};
    }

    // Launches, and for a background launch waits until its events have run and it is idle.
    void LaunchAndFollow() {
        launcher->Launch();
        ASSERT_TRUE(test::PumpMessagesUntil([&] { return !launcher->Busy() && !launcher->WaitThread(); }));
    }

    cl::TApplication app;
    cl::TKernelHandle release;
    const std::string stub = ProgramFolder() + "\\" + kLaunchStubName;
    const DWORD uiThread = GetCurrentThreadId();
    TMwLauncher* launcher = nullptr;  // owned by the application
    std::vector<TRaised> raised;
    std::function<void(TMwLauncher&)> onEvent = [](TMwLauncher&) {};
    std::vector<std::string> errors;
};

TEST_F(LauncherTest, WithoutAFileNothingStartsAndNothingIsRaised) {
    auto* fresh = new TMwLauncher(&app);
    EXPECT_EQ(fresh->Action(), "Open");
    EXPECT_EQ(fresh->Timeout(), -1);
    for (Mode mode : kAllModes) {
        SCOPED_TRACE(NameOf(mode));
        SetMode(*launcher, mode);
        launcher->SetFileName("");
        launcher->Launch();
        EXPECT_FALSE(launcher->Busy());
        EXPECT_EQ(launcher->WaitThread(), nullptr);
        EXPECT_EQ(launcher->LaunchNoWait(), 0u);
    }
    EXPECT_TRUE(raised.empty());
}

TEST_F(LauncherTest, AFormResourceSetsItsPropertiesAndMayStoreAbout) {
    cl::TClassRegistry::Register(TMwLauncher::StaticClass());
    auto* form = new cl::TForm(&app);
    cl::ReadFormResource(*form,
                         "object Main: TForm\n"
                         "  object Launcher: TMwLauncher\n"
                         "    About = aiMerrowComponents\n"
                         "    Timeout = 2000\n"
                         "    WaitType = wtProcessMessages\n"
                         "    WaitUntilFinished = True\n"
                         "  end\n"
                         "end\n",
                         "MAIN");
    auto* stored = dynamic_cast<TMwLauncher*>(form->FindComponent("Launcher"));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Timeout(), 2000);
    EXPECT_EQ(stored->WaitType(), TMwWaitType::ProcessMessages);
    EXPECT_TRUE(stored->WaitUntilFinished());
}

TEST_F(LauncherTest, EachModeReportsTheExitCodeOnTheUiThread) {
    for (Mode mode : kAllModes) {
        SCOPED_TRACE(NameOf(mode));
        raised.clear();
        SetMode(*launcher, mode);
        launcher->SetTimeout(-1);  // no limit: outlasts several 100 ms steps of the background wait
        launcher->SetParameters("7 350");
        launcher->Launch();
        if (mode == Mode::Background) {
            // Launch returns once the program has started; the wait goes on without us.
            EXPECT_TRUE(launcher->Busy());
            EXPECT_NE(launcher->ProcessHandle(), nullptr);
            EXPECT_NE(launcher->WaitThread(), nullptr);
            EXPECT_TRUE(raised.empty());
            ASSERT_TRUE(test::PumpMessagesUntil([&] { return !launcher->Busy() && !launcher->WaitThread(); }));
        }
        EXPECT_EQ(raised, std::vector<TRaised>{Seen("finished")});
        EXPECT_EQ(launcher->ProcessExitCode(), 7u);
        EXPECT_GT(launcher->StartResult(), 32u);
        EXPECT_EQ(launcher->FailureCode(), 0u);
        EXPECT_FALSE(launcher->Busy());
        EXPECT_EQ(launcher->ProcessHandle(), nullptr);
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(LauncherTest, TheLimitEndsTheWaitAndLeavesTheProgramRunning) {
    struct Case {
        Mode mode;
        int timeout;
    };
    const Case cases[] = {{Mode::FullStop, 0}, {Mode::FullStop, 100}, {Mode::ProcessMessages, 100},
                          {Mode::Background, 0}, {Mode::Background, 250}};
    cl::TKernelHandle process;
    onEvent = [&](TMwLauncher& l) { process = Duplicate(l.ProcessHandle()); };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(NameOf(c.mode)) + ", timeout " + std::to_string(c.timeout));
        raised.clear();
        ResetEvent(release.Get());
        SetMode(*launcher, c.mode);
        launcher->SetTimeout(c.timeout);
        launcher->SetParameters("3 20000");  // runs until released
        process.Reset();
        LaunchAndFollow();

        EXPECT_EQ(raised, std::vector<TRaised>{Seen("timeout")});
        EXPECT_EQ(launcher->ProcessExitCode(), 0u);
        EXPECT_EQ(launcher->ProcessHandle(), nullptr);
        ASSERT_TRUE(process);
        EXPECT_FALSE(Signalled(process));  // still running
        SetEvent(release.Get());
        ASSERT_EQ(WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        EXPECT_EQ(code, 3u);
    }
}

TEST_F(LauncherTest, AMissingProgramRaisesOnErrorWithTheShellCode) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    launcher->SetFileName(std::string(temp) + "no such program.exe");
    for (Mode mode : kAllModes) {
        SCOPED_TRACE(NameOf(mode));
        raised.clear();
        SetMode(*launcher, mode);
        launcher->Launch();
        EXPECT_EQ(launcher->FailureCode(), kFileNotFound);
        EXPECT_FALSE(launcher->Busy());
        if (mode == Mode::Background) {
            // Raised when the UI thread next handles its messages, not inside Launch.
            EXPECT_TRUE(raised.empty());
            ASSERT_TRUE(test::PumpMessagesUntil([&] { return !raised.empty() && !launcher->WaitThread(); }));
        }
        EXPECT_EQ(raised, std::vector<TRaised>{Seen("error", kFileNotFound, false)});
    }
}

TEST_F(LauncherTest, LaunchNoWaitReturnsTheShellResultAndRaisesNothing) {
    SetMode(*launcher, Mode::FullStop);
    launcher->SetFileName(ProgramFolder() + "\\no such program.exe");
    launcher->Launch();  // a failure to keep: LaunchNoWait leaves FailureCode alone
    ASSERT_EQ(launcher->FailureCode(), kFileNotFound);
    raised.clear();

    EXPECT_EQ(launcher->LaunchNoWait(), kFileNotFound);
    launcher->SetFileName(stub);
    launcher->SetParameters("0");
    EXPECT_EQ(launcher->LaunchNoWait(), 0u);
    EXPECT_FALSE(launcher->Busy());
    EXPECT_EQ(launcher->ProcessHandle(), nullptr);
    EXPECT_EQ(launcher->WaitThread(), nullptr);
    EXPECT_EQ(launcher->FailureCode(), kFileNotFound);
    EXPECT_TRUE(raised.empty());
}

TEST_F(LauncherTest, TheStartedProgramGetsTheShowCommandAndTheStartFolder) {
    struct Case {
        TShowMode show;
        std::string parameters;
        std::string startDir;
        unsigned exitCode;
    };
    char temp[MAX_PATH];
    std::string tempFolder(temp, GetTempPathA(MAX_PATH, temp));
    tempFolder.pop_back();  // no closing backslash, as GetCurrentDirectory gives it
    const Case cases[] = {
        {TShowMode::Normal, "showcmd", "", SW_SHOWNORMAL},
        {TShowMode::Maximized, "showcmd", "", SW_SHOWMAXIMIZED},
        {TShowMode::Minimized, "showcmd", "", SW_SHOWMINIMIZED},
        {TShowMode::Hide, "showcmd", "", SW_HIDE},
        {TShowMode::Normal, "cwd \"" + tempFolder + "\"", tempFolder, 0},
    };
    SetMode(*launcher, Mode::FullStop);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        launcher->SetShowMode(c.show);
        launcher->SetParameters(c.parameters);
        launcher->SetStartDir(c.startDir);
        launcher->Launch();
        EXPECT_EQ(launcher->ProcessExitCode(), c.exitCode);
    }
}

TEST_F(LauncherTest, LaunchWhileBusyStartsNothing) {
    // A pumping wait runs other work meanwhile: here a background launcher's handler, which
    // tries to launch the busy one again and then lets its program end.
    SetMode(*launcher, Mode::ProcessMessages);
    launcher->SetParameters("1 20000");
    TMwLauncher* other = NewLauncher();
    SetMode(*other, Mode::Background);
    other->SetParameters("2 0");
    onEvent = [&](TMwLauncher& l) {
        if (&l != other) return;
        EXPECT_TRUE(launcher->Busy());
        launcher->Launch();
        SetEvent(release.Get());
    };
    other->Launch();
    launcher->Launch();
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return !other->Busy() && !other->WaitThread(); }));
    EXPECT_EQ(raised, (std::vector<TRaised>{Seen("finished"), Seen("finished")}));
    EXPECT_EQ(launcher->ProcessExitCode(), 1u);

    // The same while a background wait runs.
    raised.clear();
    onEvent = [](TMwLauncher&) {};
    ResetEvent(release.Get());
    other->SetParameters("4 20000");
    other->Launch();
    TMwLaunchThread* worker = other->WaitThread();
    ASSERT_NE(worker, nullptr);
    other->Launch();
    EXPECT_EQ(other->WaitThread(), worker);
    SetEvent(release.Get());
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return !other->Busy() && !other->WaitThread(); }));
    EXPECT_EQ(raised, std::vector<TRaised>{Seen("finished")});
    EXPECT_EQ(other->ProcessExitCode(), 4u);
}

TEST_F(LauncherTest, AFailingHandlerStillEndsTheLaunch) {
    launcher->SetParameters("0");
    launcher->OnFinished = cl::TNotifyEvent::FromFunction([](cl::TObject*) { throw std::runtime_error("Handler failed"); });
    for (Mode mode : kAllModes) {
        SCOPED_TRACE(NameOf(mode));
        errors.clear();
        SetMode(*launcher, mode);
        if (mode == Mode::Background) {
            // On the UI thread the application's handler gets it.
            LaunchAndFollow();
            EXPECT_EQ(errors, std::vector<std::string>{"Handler failed"});
        } else {
            EXPECT_THROW(launcher->Launch(), std::runtime_error);
        }
        EXPECT_FALSE(launcher->Busy());
        EXPECT_EQ(launcher->ProcessHandle(), nullptr);
    }
}

TEST_F(LauncherTest, FreeingTheLauncherStopsItsWorkerWithoutAnEvent) {
    struct Case {
        const char* what;
        std::string file;
        const char* parameters;
    };
    const Case cases[] = {
        {"during the wait", stub, "5 20000"},
        {"before OnError of a failed start has run", ProgramFolder() + "\\no such program.exe", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMwLauncher* doomed = NewLauncher();
        SetMode(*doomed, Mode::Background);
        doomed->SetFileName(c.file);
        doomed->SetParameters(c.parameters);
        doomed->Launch();
        ASSERT_NE(doomed->WaitThread(), nullptr);
        const cl::TKernelHandle worker = doomed->WaitThread()->OpenHandle();
        cl::Free(doomed);
        EXPECT_TRUE(Signalled(worker));  // it no longer uses the launcher
        app.ProcessMessages();
        EXPECT_TRUE(raised.empty());
    }
}

TEST_F(LauncherTest, AHandlerMayFreeItsBackgroundLauncher) {
    SetMode(*launcher, Mode::Background);
    launcher->SetTimeout(100);
    launcher->SetParameters("6 20000");
    cl::TKernelHandle worker;
    onEvent = [&](TMwLauncher& l) {
        worker = l.WaitThread()->OpenHandle();
        cl::Free(&l);
    };
    launcher->Launch();
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return worker && Signalled(worker); }));
    EXPECT_EQ(raised, std::vector<TRaised>{Seen("timeout")});
    EXPECT_TRUE(errors.empty());
}

}  // namespace
