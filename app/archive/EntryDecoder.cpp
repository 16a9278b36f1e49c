#include "app/archive/EntryDecoder.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __linux__
#include <sched.h>
#endif

namespace quillon {

namespace {

// hardware_concurrency counts every core of the machine, also those this process may not run
// on (an affinity mask, a container's cpuset); threads beyond those only take turns.
unsigned UsableCores() {
#ifdef __linux__
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0) return unsigned(CPU_COUNT(&cores));
#endif
    return std::thread::hardware_concurrency();
}

}  // namespace

TEntryDecoder::TEntryDecoder(TBlockWriter& writer, TDecodeBuffers* reuse) : writer_(writer), reuse_(reuse) {
    if (!reuse_) return;
    jobs_[0].Storage = std::move(reuse_->storage_);
    jobs_[0].Capacity = std::exchange(reuse_->capacity_, 0);
    jobs_[0].Input = std::move(reuse_->input_);
    jobs_[0].Input.clear();
}

TEntryDecoder::~TEntryDecoder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    writer_.Stop();
    // The input is kept whatever its capacity: a job's input never passes kJobInputLimit and a
    // segment, so its capacity stays within twice that.
    if (reuse_ && jobs_[0].Capacity <= kBlockSize) {
        reuse_->storage_ = std::move(jobs_[0].Storage);
        reuse_->capacity_ = jobs_[0].Capacity;
        reuse_->input_ = std::move(jobs_[0].Input);
    }
}

void TEntryDecoder::ExpectOutput(uint64_t size) {
    expected_ = size;
    if (size > kBlockSize) StartWorkers();
}

std::optional<TSegmentFailure> TEntryDecoder::AddSegment(const uint8_t* compressed, size_t compressedSize,
                                                         size_t uncompressedSize) {
    TJob* job = &Job(open_);
    if (!job->Segments.empty() &&
        (uncompressedSize > job->Capacity - job->Size || compressedSize > kJobInputLimit ||
         job->Input.size() > kJobInputLimit - compressedSize)) {
        if (std::optional<TSegmentFailure> failure = QueueAndOpenNext()) return failure;
        job = &Job(open_);
    }
    if (job->Segments.empty()) {
        if (uncompressedSize > kBlockSize) {
            if (std::optional<TSegmentFailure> failure = ReleaseLargeBuffers()) return failure;
        }
        // Past the announced output (a hint: the caller may announce only a first part), blocks
        // are full size again.
        const uint64_t expectedRest = expected_ > outputAdded_ ? expected_ - outputAdded_ : kBlockSize;
        Reserve(*job, std::max(size_t(std::min<uint64_t>(kBlockSize, expectedRest)), uncompressedSize));
        job->Number = open_;
        job->FirstSegment = segmentsAdded_;
        job->OutputStart = outputAdded_;
    }
    job->Segments.push_back({job->Input.size(), compressedSize, uncompressedSize});
    job->Input.insert(job->Input.end(), compressed, compressed + compressedSize);
    job->Size += uncompressedSize;
    ++segmentsAdded_;
    outputAdded_ += uncompressedSize;
    return std::nullopt;
}

std::optional<TSegmentFailure> TEntryDecoder::Drain() { return DecodeAll(); }

std::optional<TSegmentFailure> TEntryDecoder::Finish() {
    if (std::optional<TSegmentFailure> failure = DecodeAll()) return failure;
    if (!threaded_) {
        const TJob& job = Job(open_);
        writer_.Finish(job.Size != 0 ? job.Data() : nullptr, job.Size);
    } else {
        // Every block is with the writer already; this waits for them and for the open.
        writer_.Finish(nullptr, 0);
    }
    return std::nullopt;
}

std::optional<TSegmentFailure> TEntryDecoder::ReleaseLargeBuffers() {
    if (threaded_) {
        uint64_t lastTicket = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            DecodeWhileWaiting(lock, [this] { return completed_ == open_ || failure_ || workerError_; });
            if (workerError_) std::rethrow_exception(workerError_);
            if (failure_) return failure_;
            for (const TJob& job : jobs_) lastTicket = std::max(lastTicket, job.WriteTicket);
        }
        writer_.WaitFor(lastTicket);  // raises what a write raised
    }
    for (TJob& job : jobs_) {
        if (&job != &Job(open_) && job.Capacity > kBlockSize) {
            job.Storage.reset();
            job.Capacity = 0;
        }
    }
    return std::nullopt;
}

size_t TEntryDecoder::BufferBytes() const {
    size_t bytes = 0;
    for (const TJob& job : jobs_) bytes += job.Capacity;
    return bytes;
}

void TEntryDecoder::StartWorkers() {
    if (threaded_) return;
    threaded_ = true;
    history_.reset(new uint8_t[kMaxMatchDistance]);
    // The writer's thread and the caller's decode too while they have nothing else to do, so
    // two cores need no worker: more threads than cores would only take the writer's turns.
    writer_.Start([this] { return HelpDecode(); });
    const unsigned cores = UsableCores();
    const size_t count = std::min<size_t>(cores > 2 ? cores - 2 : 0, kMaxWorkers);
    workers_.reserve(count);
    for (size_t i = 0; i < count; ++i) workers_.emplace_back([this] { Work(); });
}

std::optional<TSegmentFailure> TEntryDecoder::QueueAndOpenNext() {
    StartWorkers();
    Job(open_).Input.insert(Job(open_).Input.end(), kSegmentInputPadding, 0);
    uint64_t reusedTicket;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        Job(open_).State = TJobState::Queued;
        queued_ = ++open_;
        changed_.notify_all();
        writer_.Nudge();
        // The next job's place is free once the job held there before is with the writer.
        DecodeWhileWaiting(lock, [this] {
            return open_ < kJobCount || completed_ > open_ - kJobCount || failure_ || workerError_;
        });
        if (workerError_) std::rethrow_exception(workerError_);
        if (failure_) return failure_;
        reusedTicket = Job(open_).WriteTicket;
    }
    writer_.WaitFor(reusedTicket);  // raises what a write raised
    TJob& next = Job(open_);
    next.Input.clear();
    next.Segments.clear();
    next.Size = 0;
    next.State = TJobState::Filling;
    next.WriteTicket = 0;
    return std::nullopt;
}

std::optional<TSegmentFailure> TEntryDecoder::DecodeAll() {
    TJob& last = Job(open_);
    const bool unqueued = last.State == TJobState::Filling && !last.Segments.empty();
    if (unqueued) last.Input.insert(last.Input.end(), kSegmentInputPadding, 0);
    if (!threaded_) {
        // An entry of one job at most: decoded here, with no thread.
        if (unqueued) last.State = Decode(last);
        if (last.State == TJobState::Failed) return last.Failure;
        return std::nullopt;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    if (unqueued) {
        last.State = TJobState::Queued;
        queued_ = open_ + 1;
        changed_.notify_all();
        writer_.Nudge();
    }
    DecodeWhileWaiting(lock, [this] { return completed_ == queued_ || failure_ || workerError_; });
    if (workerError_) std::rethrow_exception(workerError_);
    return failure_;
}

template <class TDone>
void TEntryDecoder::DecodeWhileWaiting(std::unique_lock<std::mutex>& lock, TDone done) {
    while (!done()) {
        if (taken_ < queued_)
            DecodeNext(lock);
        else
            changed_.wait(lock);
    }
}

void TEntryDecoder::Reserve(TJob& job, size_t capacity) {
    if (job.Capacity >= capacity) return;
    job.Storage.reset(new uint8_t[kMaxMatchDistance + capacity + kSegmentOutputSlack]);
    job.Capacity = capacity;
}

void TEntryDecoder::Work() {
    try {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || taken_ < queued_; });
            if (stopping_) return;
            DecodeNext(lock);
        }
    } catch (...) {
        KeepWorkerError();
    }
}

bool TEntryDecoder::HelpDecode() {
    try {
        std::unique_lock<std::mutex> lock(mutex_);
        if (stopping_ || taken_ == queued_) return false;
        DecodeNext(lock);
        return true;
    } catch (...) {
        KeepWorkerError();
        return false;
    }
}

void TEntryDecoder::DecodeNext(std::unique_lock<std::mutex>& lock) {
    TJob& job = Job(taken_++);
    // After a damaged segment nothing is used.
    TJobState state = TJobState::Abandoned;
    if (!failure_) {
        lock.unlock();
        state = Decode(job);
        lock.lock();
    }
    job.State = state;
    CompleteInOrder();
    changed_.notify_all();
}

void TEntryDecoder::KeepWorkerError() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!workerError_) workerError_ = std::current_exception();
    changed_.notify_all();
}

TEntryDecoder::TJobState TEntryDecoder::Decode(TJob& job) {
    size_t history = 0;  // bytes of earlier output put in front of the job's
    size_t done = 0;
    for (size_t i = 0; i < job.Segments.size(); ++i) {
        const TSegmentPlace& segment = job.Segments[i];
        const uint8_t* in = job.Input.data() + segment.InputOffset;
        uint8_t* out = job.Data() + done;
        SegmentStatus status = DecodeSegment(in, segment.CompressedSize, out, segment.UncompressedSize, history + done);
        if (status == SegmentStatus::DistanceTooFar && history == 0 && job.OutputStart != 0 &&
            done < kMaxMatchDistance) {
            if (!WaitForHistory(job, history)) return TJobState::Abandoned;
            status = DecodeSegment(in, segment.CompressedSize, out, segment.UncompressedSize, history + done);
        }
        if (status != SegmentStatus::Ok) {
            job.Failure = {job.FirstSegment + i, status};
            return TJobState::Failed;
        }
        done += segment.UncompressedSize;
    }
    return TJobState::Decoded;
}

bool TEntryDecoder::WaitForHistory(TJob& job, size_t& history) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return completed_ == job.Number || failure_ || workerError_ || stopping_; });
    // Any of the others means an earlier job failed or decoding stops: this job is not needed.
    if (completed_ != job.Number) return false;
    std::memcpy(job.Data() - historySize_, history_.get(), historySize_);
    history = historySize_;
    return true;
}

void TEntryDecoder::CompleteInOrder() {
    while (completed_ < queued_ && !failure_) {
        TJob& job = Job(completed_);
        if (job.State == TJobState::Failed) {
            failure_ = job.Failure;
            return;
        }
        if (job.State != TJobState::Decoded) return;
        KeepHistory(job.Data(), job.Size);
        if (job.Size != 0) job.WriteTicket = writer_.Write(job.Data(), job.Size);
        job.State = TJobState::Written;
        ++completed_;
    }
}

void TEntryDecoder::KeepHistory(const uint8_t* bytes, size_t count) {
    uint8_t* const history = history_.get();
    if (count >= kMaxMatchDistance) {
        std::memcpy(history, bytes + count - kMaxMatchDistance, kMaxMatchDistance);
        historySize_ = kMaxMatchDistance;
        return;
    }
    const size_t kept = std::min(historySize_, kMaxMatchDistance - count);
    std::memmove(history, history + historySize_ - kept, kept);
    std::memcpy(history + kept, bytes, count);
    historySize_ = kept + count;
}

}  // namespace quillon
