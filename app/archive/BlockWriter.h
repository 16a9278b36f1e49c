#pragma once
// Writes byte blocks to a target stream, in the order they are given, on a thread of its own
// once there is more than one block, so that decoding goes on while the output is written. The
// target is opened on another thread: creating a file over a large old one can wait long (the
// old file's space is given back), and decoding the next blocks overlaps that wait. Output
// that comes as one block only is written on the calling thread and costs no thread.
//
// The writer thread takes a core of its own, and writing, the one part that cannot be spread
// over threads, must never wait for a core. So when it has nothing to write it does the
// caller's other work (decoding), rather than leaving its core to more decoding threads.
//
// The first error (from the open or a write) is kept and raised to the caller at its next
// wait; later writes are then skipped.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "classlib/core/Stream.h"

namespace quillon {

class TBlockWriter {
public:
    // openTarget runs once before the first write, and in any case by Stop; it returns the
    // stream to write to, which must stay valid until Stop.
    explicit TBlockWriter(std::function<cl::TStream&()> openTarget);
    TBlockWriter(const TBlockWriter&) = delete;
    TBlockWriter& operator=(const TBlockWriter&) = delete;
    ~TBlockWriter();

    // Starts the writer thread and the open before the first write: for output known to come
    // as more than one block. help, when given, runs on the writer thread whenever nothing
    // can be written; it does one piece of work and returns true, or returns false when there
    // is none, and then runs again after the next Nudge. It must not throw.
    void Start(std::function<bool()> help = nullptr);
    // Tells the writer thread that help may find work now.
    void Nudge();
    // Queues count bytes for the writer thread (started by the first call if not before); they
    // must stay unchanged until the returned ticket is written.
    uint64_t Write(const uint8_t* bytes, size_t count);
    // Waits until the write with this ticket is done (0: nothing to wait for); raises the
    // first error met so far.
    void WaitFor(uint64_t ticket);
    // Writes the last count bytes and waits until everything is written; raises the first error.
    void Finish(const uint8_t* bytes, size_t count);
    // Makes sure the open has run, waits for the write under way and drops the rest; raises
    // nothing. The writer cannot be used afterwards.
    void Stop();

    // The first error met, or null.
    std::exception_ptr Error();

private:
    struct TJob {
        const uint8_t* Bytes;
        size_t Count;
    };

    void Open();
    void Run();

    std::function<cl::TStream&()> openTarget_;
    std::function<bool()> help_;
    cl::TStream* target_ = nullptr;
    bool opened_ = false;  // the open has run, well or not
    std::mutex mutex_;
    std::condition_variable changed_;
    // Tickets of the queued writes: jobs_ holds those after done_ up to queued_, in order.
    uint64_t queued_ = 0;
    uint64_t done_ = 0;
    std::deque<TJob> jobs_;
    uint64_t nudges_ = 0;
    bool stopping_ = false;
    std::exception_ptr error_;
    std::thread opener_;
    std::thread thread_;
};

}  // namespace quillon
