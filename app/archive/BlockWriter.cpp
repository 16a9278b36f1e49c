#include "app/archive/BlockWriter.h"

#include <limits>

namespace quillon {

TBlockWriter::TBlockWriter(std::function<cl::TStream&()> openTarget) : openTarget_(std::move(openTarget)) {}

TBlockWriter::~TBlockWriter() { Stop(); }

void TBlockWriter::Start(std::function<bool()> help) {
    if (thread_.joinable()) return;
    help_ = std::move(help);
    opener_ = std::thread([this] { Open(); });
    thread_ = std::thread([this] { Run(); });
}

void TBlockWriter::Nudge() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++nudges_;
    }
    changed_.notify_all();
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
    opener_.join();
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
    {
        std::lock_guard<std::mutex> lock(mutex_);
        opened_ = true;
        if (!error_) error_ = error;
    }
    changed_.notify_all();
}

void TBlockWriter::Run() {
    try {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            if (stopping_) return;
            if (!opened_ || jobs_.empty()) {
                const uint64_t seen = nudges_;
                if (help_) {
                    lock.unlock();
                    const bool helped = help_();
                    lock.lock();
                    if (helped) continue;
                }
                changed_.wait(lock, [&] { return stopping_ || (opened_ && !jobs_.empty()) || nudges_ != seen; });
                continue;
            }
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
                if (!error_) error_ = error;
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
