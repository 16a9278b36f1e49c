#include "classlib/win/Thread.h"

#include <process.h>

#include <exception>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"

namespace cl {

TThread::TThread() {
    if (TApplication* app = Application()) uiWindow_ = app->Handle();
    unsigned id = 0;
    // Suspended, so that the object is complete before Execute can run.
    const auto handle = _beginthreadex(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &id);
    if (!handle) throw Exception("Cannot create a thread");
    handle_.Reset(reinterpret_cast<HANDLE>(handle));
    id_ = id;
}

TThread::~TThread() {
    if (GetCurrentThreadId() == id_) return;  // freed on terminate, by the thread itself
    if (!started_) {
        ResumeThread(handle_.Get());  // it ends at once, without Execute
        WaitForSingleObject(handle_.Get(), INFINITE);
        return;
    }
    Terminate();
    WaitFor();
}

void TThread::Start() {
    if (started_) return;
    started_ = true;
    ResumeThread(handle_.Get());
}

TKernelHandle TThread::OpenHandle() const {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), handle_.Get(), GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0))
        throw Exception("Cannot open the thread handle");
    return TKernelHandle(copy);
}

void TThread::WaitFor() {
    // Nothing to wait for before Start; and a thread cannot outwait itself.
    if (!started_ || GetCurrentThreadId() == id_) return;
    WaitServingSynchronize(handle_.Get());
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (!uiWindow_) {
        method();
        return;
    }
    SendMessageA(uiWindow_, CM_SYNCHRONIZE, 0, reinterpret_cast<LPARAM>(&method));
}

void TThread::ReportException() noexcept {
    try {
        std::exception_ptr error = std::current_exception();
        Synchronize([&error] { std::rethrow_exception(error); });
    } catch (...) {
        TApplication::HandleCurrentException();  // no application window: report it here
    }
}

unsigned __stdcall TThread::ThreadProc(void* self) {
    auto* thread = static_cast<TThread*>(self);
    if (!thread->started_) return 0;  // destroyed before it was started
    try {
        thread->Execute();
    } catch (...) {
        thread->ReportException();
    }
    if (thread->freeOnTerminate_) delete thread;
    return 0;
}

void WaitServingSynchronize(HANDLE handle) {
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // delivers the sent messages
    }
}

}  // namespace cl
