#include "uninstaller/app/DdeConversation.h"

#include <windows.h>
#include <ddeml.h>

#include <cstring>

namespace {

enum Job { kJobConnect, kJobRequest, kJobExecute, kJobEnd };

const DWORD kRequestTimeout = 5000;
const DWORD kExecuteTimeout = 1000;
// Connecting takes a moment unless a window does not answer. The other deadlines leave the
// transaction its own timeout and a margin.
const DWORD kConnectDeadline = 5000;
const DWORD kMargin = 2000;
// A reply larger than this is not taken: no group of a Program Manager comes near it.
const DWORD kLargestReply = 1 << 20;

HDDEDATA CALLBACK IgnoreEverything(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

}  // namespace

// What the caller and the conversation's thread share. Each holds a reference; the last one to
// let go frees it, so a thread that comes back after its caller gave up still finds it.
struct DdeConversation::Channel {
    LONG references;
    LONG givenUp;
    HANDLE jobReady;   // caller to thread
    HANDLE jobDone;    // thread to caller
    Job job;
    char text[1024];   // the service, item or command of the job
    char* reply;
    bool connected;
    bool timedOut;     // the server took the transaction but did not answer in time
    // The thread's own.
    DWORD instance;
    HCONV conversation;
};

namespace {

using Channel = DdeConversation::Channel;

void Release(Channel* channel)
{
    if (InterlockedDecrement(&channel->references) != 0)
        return;
    CloseHandle(channel->jobReady);
    CloseHandle(channel->jobDone);
    if (channel->reply)
        HeapFree(GetProcessHeap(), 0, channel->reply);
    HeapFree(GetProcessHeap(), 0, channel);
}

void ConnectOnThread(Channel* channel)
{
    if (DdeInitializeA(&channel->instance, IgnoreEverything, APPCMD_CLIENTONLY | CBF_FAIL_ALLSVRXACTIONS, 0) !=
        DMLERR_NO_ERROR) {
        channel->instance = 0;
        return;
    }
    HSZ service = DdeCreateStringHandleA(channel->instance, channel->text, CP_WINANSI);
    if (service) {
        channel->conversation = DdeConnect(channel->instance, service, service, nullptr);
        DdeFreeStringHandle(channel->instance, service);
    }
    channel->connected = channel->conversation != nullptr;
}

void RequestOnThread(Channel* channel)
{
    HSZ item = DdeCreateStringHandleA(channel->instance, channel->text, CP_WINANSI);
    if (!item)
        return;
    HDDEDATA data = DdeClientTransaction(nullptr, 0, channel->conversation, item, CF_TEXT, XTYP_REQUEST,
                                         kRequestTimeout, nullptr);
    DdeFreeStringHandle(channel->instance, item);
    if (!data) {
        channel->timedOut = DdeGetLastError(channel->instance) == DMLERR_DATAACKTIMEOUT;
        return;
    }
    DWORD size = DdeGetData(data, nullptr, 0, 0);
    char* reply = size <= kLargestReply ? static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size + 1)) : nullptr;
    if (reply) {
        size = DdeGetData(data, reinterpret_cast<LPBYTE>(reply), size, 0);
        reply[size] = '\0';
        channel->reply = reply;
    }
    DdeFreeDataHandle(data);
}

void ExecuteOnThread(Channel* channel)
{
    DWORD length = static_cast<DWORD>(std::strlen(channel->text)) + 1;
    HDDEDATA command = DdeCreateDataHandle(channel->instance, reinterpret_cast<LPBYTE>(channel->text), length, 0,
                                           nullptr, 0, 0);
    if (!command)
        return;
    // The transaction takes the data handle over.
    HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(command), 0xFFFFFFFF, channel->conversation,
                                           nullptr, 0, XTYP_EXECUTE, kExecuteTimeout, nullptr);
    if (!result)
        channel->timedOut = DdeGetLastError(channel->instance) == DMLERR_EXECACKTIMEOUT;
}

void EndOnThread(Channel* channel)
{
    if (channel->conversation)
        DdeDisconnect(channel->conversation);
    if (channel->instance)
        DdeUninitialize(channel->instance);
    channel->conversation = nullptr;
    channel->instance = 0;
}

void DispatchWaitingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Waits for the next job, handling the conversation's window messages meanwhile: a DDE message
// that arrives after its transaction ended (an acknowledgement) must be handled before the next
// transaction begins, or that transaction takes it for its own answer.
void WaitForJob(Channel* channel)
{
    for (;;) {
        DispatchWaitingMessages();
        DWORD result = MsgWaitForMultipleObjects(1, &channel->jobReady, FALSE, INFINITE, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            DispatchWaitingMessages();
            return;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            WaitForSingleObject(channel->jobReady, INFINITE);
            return;
        }
    }
}

DWORD WINAPI ConversationThread(void* parameter)
{
    Channel* channel = static_cast<Channel*>(parameter);
    for (;;) {
        WaitForJob(channel);
        if (InterlockedCompareExchange(&channel->givenUp, 0, 0))
            break;
        Job job = channel->job;
        switch (job) {
        case kJobConnect: ConnectOnThread(channel); break;
        case kJobRequest: RequestOnThread(channel); break;
        case kJobExecute: ExecuteOnThread(channel); break;
        case kJobEnd: EndOnThread(channel); break;
        }
        SetEvent(channel->jobDone);
        if (job == kJobEnd)
            break;
    }
    EndOnThread(channel);
    Release(channel);
    return 0;
}

// Waits for the event until the deadline, serving the messages that other threads send to
// this thread's windows: the conversation's thread asks them too when it connects.
bool WaitServingSentMessages(HANDLE event, DWORD deadline)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= deadline)
            return false;
        DWORD result = MsgWaitForMultipleObjects(1, &event, FALSE, deadline - elapsed, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result != WAIT_OBJECT_0 + 1)
            return false;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

Channel* NewChannel()
{
    auto* channel = static_cast<Channel*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Channel)));
    if (!channel)
        return nullptr;
    channel->jobReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    channel->jobDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    channel->references = 2;
    HANDLE thread = channel->jobReady && channel->jobDone
                        ? CreateThread(nullptr, 0, ConversationThread, channel, 0, nullptr)
                        : nullptr;
    if (!thread) {
        channel->references = 1;
        Release(channel);
        return nullptr;
    }
    CloseHandle(thread);
    return channel;
}

}  // namespace

bool DdeConversation::Connect(const char* service)
{
    End();
    channel_ = NewChannel();
    if (!channel_)
        return false;
    if (Run(kJobConnect, service, kConnectDeadline) && channel_->connected)
        return true;
    if (channel_)
        GiveUp();
    return false;
}

char* DdeConversation::Request(const char* item)
{
    if (!Run(kJobRequest, item, kRequestTimeout + kMargin))
        return nullptr;
    char* reply = channel_->reply;
    channel_->reply = nullptr;
    return reply;
}

void DdeConversation::Execute(const char* command)
{
    Run(kJobExecute, command, kExecuteTimeout + kMargin);
}

void DdeConversation::End()
{
    if (!Run(kJobEnd, "", kMargin))
        return;
    Release(channel_);
    channel_ = nullptr;
}

// Hands the job to the thread and waits for it. A server that let the deadline or the
// transaction's timeout pass is given up. True when the thread finished the job in time.
bool DdeConversation::Run(int job, const char* text, unsigned deadline)
{
    if (!channel_)
        return false;
    size_t length = std::strlen(text);
    if (length >= sizeof channel_->text)
        return false;
    std::memcpy(channel_->text, text, length + 1);
    channel_->job = static_cast<Job>(job);
    channel_->timedOut = false;
    SetEvent(channel_->jobReady);
    if (!WaitServingSentMessages(channel_->jobDone, deadline) || channel_->timedOut) {
        GiveUp();
        return false;
    }
    return true;
}

void DdeConversation::GiveUp()
{
    InterlockedExchange(&channel_->givenUp, 1);
    SetEvent(channel_->jobReady);
    Release(channel_);
    channel_ = nullptr;
}
