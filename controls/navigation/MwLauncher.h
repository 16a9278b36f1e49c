#pragma once
// Opens a document or starts a program through the shell and follows the started process: the
// caller's thread waits for it (blocking, or handling messages meanwhile), or a TMwLaunchThread
// does it in the background. OnFinished, OnTimeout or OnError tells how it went; the events of
// a background launch run on the UI thread while the worker waits.

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/Handles.h"
#include "controls/foundation/FrameModel.h"

enum class TShowMode { Normal, Maximized, Minimized, Hide };
enum class TMwWaitType { FullStop, ProcessMessages };

using TMwLaunchErrorEvent = cl::TEvent<cl::TObject*, unsigned>;

class TMwLaunchThread;

class TMwLauncher : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwLauncher(cl::TComponent* owner) : cl::TComponent(owner) {}
    // Background launches still under way end without an event (their programs go on); the
    // destructor waits for their workers, at most one 100 ms step.
    ~TMwLauncher() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}
    const std::string& Action() const { return action_; }
    void SetAction(const std::string& v) { action_ = v; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& v) { fileName_ = v; }
    const std::string& Parameters() const { return parameters_; }
    void SetParameters(const std::string& v) { parameters_ = v; }
    TShowMode ShowMode() const { return showMode_; }
    void SetShowMode(TShowMode v) { showMode_ = v; }
    const std::string& StartDir() const { return startDir_; }
    void SetStartDir(const std::string& v) { startDir_ = v; }
    // Milliseconds; -1 (all bits set, as unsigned) is no limit.
    int Timeout() const { return timeout_; }
    void SetTimeout(int v) { timeout_ = v; }
    TMwWaitType WaitType() const { return waitType_; }
    void SetWaitType(TMwWaitType v) { waitType_ = v; }
    // True: Launch starts and waits in the caller's thread; false: a background thread does.
    bool WaitUntilFinished() const { return waitUntilFinished_; }
    void SetWaitUntilFinished(bool v) { waitUntilFinished_ = v; }

    // From a successful start until the wait has ended and the process handle is closed.
    bool Busy() const { return busy_; }
    // The started process, while Busy.
    HANDLE ProcessHandle() const { return processHandle_; }
    // The shell's instance result of the last successful start.
    unsigned StartResult() const { return startResult_; }
    // The exit code of the last process that ended while followed; 0 until then.
    unsigned ProcessExitCode() const { return processExitCode_; }
    // The code of the last failure (0 when none), as OnError gets it.
    unsigned FailureCode() const { return failureCode_; }
    // The worker of the background launch under way, or none.
    TMwLaunchThread* WaitThread() const { return waitThread_; }

    // Starts FileName and follows the process as the properties say. Does nothing while Busy or
    // when FileName is empty. A waiting launch returns after the wait and its event; a
    // background one as soon as the start has succeeded or failed.
    virtual void Launch();
    // Starts FileName without following it: 0, or the shell's error value. Raises no event;
    // 0 without starting anything when FileName is empty.
    virtual unsigned LaunchNoWait();

    // The show command of a TShowMode.
    static int ShowCommandOf(TShowMode mode);

    cl::TNotifyEvent OnFinished;
    cl::TNotifyEvent OnTimeout;
    TMwLaunchErrorEvent OnError;

protected:
    // The waits that follow a successful start.
    virtual void WaitProcessingMessages();
    virtual void WaitFullStop();
    // On the worker. Ends right after each call onto the UI thread, as its handler may have
    // destroyed the launcher.
    virtual void WaitInBackground(TMwLaunchThread& thread);

    virtual void DoFinished();
    virtual void DoTimeout();
    virtual void DoError();

private:
    friend class TMwLaunchThread;

    // A background worker that may still call back; the handle outlives the worker object.
    struct TWorker {
        TMwLaunchThread* thread;
        cl::TKernelHandle ended;
    };

    // Starts FileName and waits as the properties say: in the caller's thread when thread is
    // null, else on that worker.
    void StartAndWait(TMwLaunchThread* thread);
    void ForgetWorker(TMwLaunchThread* thread);
    // The exit code of the ended process, into ProcessExitCode.
    void ReadExitCode();

    std::string action_ = "Open";
    std::string fileName_;
    std::string parameters_;
    TShowMode showMode_ = TShowMode::Normal;
    std::string startDir_;
    std::atomic<int> timeout_{-1};  // the worker reads it while the UI thread may set it
    TMwWaitType waitType_ = TMwWaitType::FullStop;
    bool waitUntilFinished_ = false;

    // Written by a worker while the UI thread reads them.
    std::atomic<bool> busy_{false};
    std::atomic<HANDLE> processHandle_{nullptr};
    std::atomic<unsigned> startResult_{0};
    std::atomic<unsigned> processExitCode_{0};
    std::atomic<unsigned> failureCode_{0};
    std::atomic<bool> startEnded_{false};  // a background start has succeeded or failed

    // UI thread only.
    std::vector<TWorker> workers_;
    TMwLaunchThread* waitThread_ = nullptr;
};
