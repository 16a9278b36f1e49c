#include "controls/shell/MwChangeHandlerThread.h"

#include <utility>

#include "classlib/core/Exception.h"

namespace {

HANDLE NewAutoResetEvent() { return CreateEventA(nullptr, FALSE, FALSE, nullptr); }

void CloseWatch(void* handle) { FindCloseChangeNotification(static_cast<HANDLE>(handle)); }

}  // namespace

TChangeHandlerThread::TChangeHandlerThread(HWND notifyWindow, UINT notifyMessage)
    : commandEvent_(NewAutoResetEvent()),
      ackEvent_(NewAutoResetEvent()),
      notifyWindow_(notifyWindow),
      notifyMessage_(notifyMessage) {
    if (!commandEvent_ || !ackEvent_) throw cl::Exception("Cannot create the directory watcher's events");
    Start();
}

TChangeHandlerThread::~TChangeHandlerThread() {
    Issue(TCommand::Quit, INVALID_HANDLE_VALUE);
    WaitFor();
    for (void* handle : slots_.ReleaseAll()) CloseWatch(handle);
}

bool TChangeHandlerThread::AddWatch(const std::string& path, DWORD notifyFilter, int& slot, bool watchSubtree) {
    slot = -1;
    if (path.empty()) return false;
    const HANDLE handle = FindFirstChangeNotificationA(path.c_str(), watchSubtree, notifyFilter);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const unsigned serial = Issue(TCommand::Add, handle);
    return AwaitDone(serial, kAcknowledgeTimeout, slot) && slot != -1;
}

void TChangeHandlerThread::RemoveAllWatches() {
    const unsigned serial = Issue(TCommand::RemoveAll, INVALID_HANDLE_VALUE);
    int ignored = -1;
    AwaitDone(serial, kAcknowledgeTimeout, ignored);
}

unsigned TChangeHandlerThread::Issue(TCommand command, HANDLE handle) {
    unsigned serial = 0;
    {
        std::lock_guard<std::mutex> lock(commandLock_);
        command_ = command;
        pendingHandle_ = handle;
        serial = ++issuedSerial_;
    }
    SetEvent(commandEvent_.Get());
    return serial;
}

bool TChangeHandlerThread::AwaitDone(unsigned serial, DWORD timeout, int& resultSlot) {
    const DWORD start = GetTickCount();
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(commandLock_);
            if (doneSerial_ == serial) {
                resultSlot = resultSlot_;
                return true;
            }
        }
        // An acknowledgement of an earlier command that came late wakes this wait too; the
        // serial tells them apart.
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeout || WaitForSingleObject(ackEvent_.Get(), timeout - elapsed) != WAIT_OBJECT_0) break;
    }
    std::lock_guard<std::mutex> lock(commandLock_);
    if (doneSerial_ == serial) {
        resultSlot = resultSlot_;
        return true;
    }
    if (issuedSerial_ == serial && command_ != TCommand::None) {
        if (pendingHandle_ != INVALID_HANDLE_VALUE) CloseWatch(pendingHandle_);
        pendingHandle_ = INVALID_HANDLE_VALUE;
        command_ = TCommand::None;
    }
    return false;
}

bool TChangeHandlerThread::RunCommand() {
    std::lock_guard<std::mutex> lock(commandLock_);
    switch (std::exchange(command_, TCommand::None)) {
        case TCommand::None: return true;  // withdrawn before the thread came to it
        case TCommand::Quit: return false;
        case TCommand::Add: {
            const HANDLE handle = std::exchange(pendingHandle_, INVALID_HANDLE_VALUE);
            resultSlot_ = slots_.Add(handle);
            if (resultSlot_ < 0) CloseWatch(handle);  // a full table: the watch is refused, not kept
            break;
        }
        case TCommand::RemoveAll:
            for (void* handle : slots_.ReleaseAll()) CloseWatch(handle);
            break;
    }
    doneSerial_ = issuedSerial_;
    SetEvent(ackEvent_.Get());
    return true;
}

void TChangeHandlerThread::Changed(int slot) {
    const HANDLE handle = slots_.HandleAt(slot);
    if (!handle) return;
    // Re-armed before the owner hears of it, so that a change made once the owner has the
    // message is not lost between the two.
    const bool rearmed = FindNextChangeNotification(handle) != FALSE;
    if (notifyWindow_) PostMessageA(notifyWindow_, notifyMessage_, static_cast<WPARAM>(slot), 0);
    if (!rearmed) Drop(slot);
}

void TChangeHandlerThread::Drop(int slot) {
    if (void* handle = slots_.Release(slot)) CloseWatch(handle);
}

bool TChangeHandlerThread::DropBrokenHandles() {
    bool dropped = false;
    for (int slot = 0; slot < mw::TWatchSlots::kSlotCount; ++slot) {
        const HANDLE handle = slots_.HandleAt(slot);
        if (handle && WaitForSingleObject(handle, 0) == WAIT_FAILED) {
            Drop(slot);
            dropped = true;
        }
    }
    return dropped;
}

void TChangeHandlerThread::Execute() {
    for (;;) {
        mw::TWaitList list = slots_.WaitList(commandEvent_.Get());
        const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(list.count), list.handles.data(), FALSE, INFINITE);
        const DWORD count = static_cast<DWORD>(list.count);
        if (result == WAIT_OBJECT_0) {
            if (!RunCommand()) return;
        } else if (result > WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count) {
            Changed(list.slots[result - WAIT_OBJECT_0]);
        } else if (result > WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count) {
            Drop(list.slots[result - WAIT_ABANDONED_0]);
        } else if (!DropBrokenHandles()) {
            // Only the command event is left to fail: without it no command can arrive, so
            // waiting again would spin.
            return;
        }
    }
}
