#pragma once
// A DDE client conversation held on a thread of its own.
//
// DdeConnect asks every top-level window for the service and waits for each one without a
// limit, so a single hung window anywhere would hang the caller; a transaction's own timeout
// only covers a server that takes the request. So the conversation lives apart, and the caller
// waits for each step only until a deadline, serving the messages sent to its own windows
// meanwhile. A conversation whose server misses a deadline or a transaction's timeout is given
// up: its thread ends it whenever it gets free, and every later call does nothing.

class DdeConversation {
public:
    DdeConversation() = default;
    DdeConversation(const DdeConversation&) = delete;
    DdeConversation& operator=(const DdeConversation&) = delete;
    ~DdeConversation() { End(); }

    // Connects to service, which is the topic too. False when no server took the conversation
    // in time.
    bool Connect(const char* service);
    bool Connected() const { return channel_ != nullptr; }

    // Asks for item as text (5,000 ms). The reply, NUL-terminated, on the process heap (the
    // caller frees it with HeapFree); null when there is none.
    char* Request(const char* item);

    // Sends a command (1,000 ms); whether the server carried it out is not examined.
    void Execute(const char* command);

    // Disconnects and ends the DDE client.
    void End();

    struct Channel;

private:
    bool Run(int job, const char* text, unsigned deadline);
    void GiveUp();

    Channel* channel_ = nullptr;
};
