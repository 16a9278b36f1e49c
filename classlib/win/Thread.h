#pragma once
// A thread of its own that runs Execute. The system thread is made suspended with the object,
// and runs once Start is called: a base class cannot start it from its constructor, as the
// derived part would not exist yet. Synchronize runs a function on the UI thread while the
// thread waits for it; a thread freed on terminate deletes itself when Execute returns.

#include <windows.h>

#include <atomic>
#include <functional>

#include "classlib/win/Handles.h"

namespace cl {

class TThread {
public:
    // Made on the UI thread when it synchronises: it takes the application window as the
    // place where synchronised functions run. Throws when the system cannot make a thread.
    TThread();
    // A thread that never started ends without running Execute; a running one is asked to
    // terminate and waited for (WaitFor). A derived class whose Execute uses the derived
    // members does that in its own destructor, before those members go.
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Runs Execute on the thread; once only.
    void Start();
    // Asks Execute to finish: it tests Terminated and returns on its own.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Set before Start: the object deletes itself when Execute returns, so nobody may use it
    // unless something keeps the thread from finishing meanwhile.
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }
    HANDLE Handle() const { return handle_.Get(); }
    DWORD ThreadID() const { return id_; }
    // A handle of the caller's own that is signalled when the thread has ended, valid after a
    // thread freed on terminate is gone.
    TKernelHandle OpenHandle() const;

    // Waits until Execute has returned, running the functions that other threads synchronise
    // meanwhile, so that waiting on the UI thread for a thread that synchronises cannot deadlock.
    // Not for a thread freed on terminate.
    void WaitFor();

    // Runs method on the UI thread and returns when it has run; does nothing once the
    // application window is gone, and runs it right here when there was no application. An
    // exception it throws goes to the application's handler on the UI thread.
    void Synchronize(const std::function<void()>& method);

protected:
    virtual void Execute() = 0;

private:
    static unsigned __stdcall ThreadProc(void* self);
    // Hands the exception in flight to the application's handler, on the UI thread if possible.
    void ReportException() noexcept;

    HWND uiWindow_ = nullptr;  // the application window when the thread was made
    TKernelHandle handle_;
    DWORD id_ = 0;
    std::atomic<bool> started_{false};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> freeOnTerminate_{false};
};

// Waits until handle is signalled, running meanwhile the functions that threads synchronise
// onto this thread.
void WaitServingSynchronize(HANDLE handle);

}  // namespace cl
