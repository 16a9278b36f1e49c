#include "app/archive/BlockWriter.h"

#include <limits>

namespace quillon {

TBlockWriter::TBlockWriter(std::function<cl::TStream&()> openTarget) : openTarget_(std::move(openTarget)) {}

TBlockWriter::~TBlockWriter() { Stop(); }

void TBlockWriter::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

uint64_t TBlockWriter::Write(const uint8_t* bytes, size_t count) {
    Start();
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back({bytes, count});
    changed_.notify_all();
    return ++queued_;
}

void TBlockWriter::WaitFor(uint64_t ticket) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return done_ >= ticket || error_; });
    if (error_) std::rethrow_exception(error_);
}

void TBlockWriter::Finish(const uint8_t* bytes, size_t count) {
    if (thread_.joinable()) {
        WaitFor(Write(bytes, count));
        return;
    }
    if (!opened_) Open();
    if (error_) std::rethrow_exception(error_);
    target_->WriteBuffer(bytes, count);
}

void TBlockWriter::Stop() {
    if (!thread_.joinable()) {
        if (!opened_) Open();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::exception_ptr TBlockWriter::Error() {
    std::lock_guard<std::mutex> lock(mutex_);
    return error_;
}

void TBlockWriter::Open() {
    std::exception_ptr error;
    try {
        target_ = &openTarget_();
    } catch (...) {
        error = std::current_exception();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    opened_ = true;
    error_ = error;
}

void TBlockWriter::Run() {
    try {
        Open();
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_) return;
            const TJob job = jobs_.front();
            if (!error_) {
                lock.unlock();
                std::exception_ptr error;
                try {
                    target_->WriteBuffer(job.Bytes, job.Count);
                } catch (...) {
                    error = std::current_exception();
                }
                lock.lock();
                error_ = error;
            }
            jobs_.pop_front();
            ++done_;
            changed_.notify_all();
        }
    } catch (...) {
        // Only the locking itself can get here; let every waiter go with the error.
        std::lock_guard<std::mutex> lock(mutex_);
        if (!error_) error_ = std::current_exception();
        done_ = std::numeric_limits<uint64_t>::max();
        changed_.notify_all();
    }
}

}  // namespace quillon
