#pragma once
// The background thread that follows folders on disk for a shell control: it waits on up to 63
// change notifications plus its command event, and posts (notify message, slot number) to the
// owner's window when a watched folder changes. The UI thread adds and removes watches through
// commands that the thread acknowledges.

#include <windows.h>

#include <mutex>
#include <string>

#include "classlib/win/Handles.h"
#include "classlib/win/Thread.h"
#include "controls/shell/WatchSlots.h"

// The message both shell controls ask for: wParam is the slot of the changed folder.
constexpr UINT CM_MWWATCHERCHANGE = WM_USER + 101;  // 0x0465

class TChangeHandlerThread final : public cl::TThread {
public:
    static constexpr DWORD kAcknowledgeTimeout = 2000;

    // Starts the thread. A zero window gets no messages.
    TChangeHandlerThread(HWND notifyWindow, UINT notifyMessage);
    // Ends the thread and closes every handle it holds. The thread only ever waits, so it ends
    // as soon as it sees the quit command; the wait for it has no limit, since its handles and
    // events must outlive it.
    ~TChangeHandlerThread() override;

    // Watches the folder (FILE_NOTIFY_CHANGE_... filter). False for an empty path, a folder
    // that cannot be watched, a full table or a thread that does not acknowledge in time.
    bool AddWatch(const std::string& path, DWORD notifyFilter, int& slot, bool watchSubtree);
    // Closes every watch.
    void RemoveAllWatches();

protected:
    void Execute() override;

private:
    enum class TCommand { None, Add, RemoveAll, Quit };

    // Hands a command over; the thread takes it when it wakes on the command event.
    unsigned Issue(TCommand command, HANDLE handle);
    // Waits until the thread has carried out that command (true, with the slot an add chose)
    // or the time is up. A command the thread has not taken by then is withdrawn (an add's
    // handle is closed); one it has taken is finished by the thread.
    bool AwaitDone(unsigned serial, DWORD timeout, int& resultSlot);
    // The thread's side; false for quit.
    bool RunCommand();
    void Changed(int slot);
    void Drop(int slot);
    // After a failed wait: drops the handles the system no longer accepts. False when none was.
    bool DropBrokenHandles();

    cl::TKernelHandle commandEvent_;  // auto-reset
    cl::TKernelHandle ackEvent_;      // auto-reset
    const HWND notifyWindow_;
    const UINT notifyMessage_;
    mw::TWatchSlots slots_;  // the thread's, while it runs

    // The command hand-over, guarded by commandLock_.
    std::mutex commandLock_;
    TCommand command_ = TCommand::None;  // None: nothing waiting for the thread
    HANDLE pendingHandle_ = INVALID_HANDLE_VALUE;
    unsigned issuedSerial_ = 0;
    unsigned doneSerial_ = 0;
    int resultSlot_ = -1;
};
