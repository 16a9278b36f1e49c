#pragma once
// Decodes the segments of one entry and hands the output to a TBlockWriter in large blocks, in
// order, so that decoding and writing overlap.
//
// Segments are gathered into jobs of about kBlockSize output each. An entry of one job is
// decoded on the calling thread; a larger one by a few worker threads, one job each at a
// time, while the caller reads on. The writer's thread decodes jobs too while it has nothing
// to write, and the caller while it waits for a job's place, so there are two workers fewer
// than usable cores: no thread waits for a core, the writer least of all. A job's block goes
// to the writer once it and every job before it are decoded. The caller learns of a damaged
// segment at its next job and at the end; the one reported is always the first damaged
// segment, and nothing after it is written.
//
// A match may reach back up to kMaxMatchDistance bytes into earlier segments, across the
// start of a job too. Segments are normally compressed each on its own, so a job's segments
// are first decoded without the output before the job; one that turns out to need it waits
// until every earlier job is decoded, takes the last kMaxMatchDistance bytes of the output
// so far (kept for that as each job is done) and is decoded again.
//
// Memory: up to kJobCount blocks of kBlockSize, as many as the entry fills, with the compressed
// input of their jobs, at most kJobInputLimit each; and one job larger than a block at a time
// (a segment may claim up to kMaxSegmentExpansion times its compressed size): before such a
// job is filled, every job before it is decoded and written and the large blocks are given back.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/archive/BlockWriter.h"
#include "app/archive/SegmentDecoder.h"

namespace quillon {

// The first job's buffers that one entry's decoding leaves for the next. A caller decoding many
// entries in a row (a content search) keeps one: fresh memory costs a page fault per page at
// its first use, which for small entries costs far more than decoding them. Buffers of more
// than a block are not kept, so this holds a few megabytes at most.
class TDecodeBuffers {
    friend class TEntryDecoder;
    std::unique_ptr<uint8_t[]> storage_;
    size_t capacity_ = 0;
    std::vector<uint8_t> input_;
};

struct TSegmentFailure {
    uint64_t Segment;  // from 0, in the order the segments were added
    SegmentStatus Status;
};

class TEntryDecoder {
public:
    // Output goes to the writer in blocks of this size (or of the segment, when larger).
    static constexpr size_t kBlockSize = size_t(1) << 20;
    // Jobs in memory at once: being filled, decoded, or waiting for their write. Enough that
    // decoding goes on while the writer waits: for the target's open, when a large old file of
    // that name is given back first, and for a slow disk.
    static constexpr size_t kJobCount = 32;

    // reuse, when given, lends its buffers for this entry and gets them back at the end.
    explicit TEntryDecoder(TBlockWriter& writer, TDecodeBuffers* reuse = nullptr);
    TEntryDecoder(const TEntryDecoder&) = delete;
    TEntryDecoder& operator=(const TEntryDecoder&) = delete;
    // Stops the workers, then the writer, whose writes read from the blocks.
    ~TEntryDecoder();

    // A hint that about this much output is coming: when that is more than a block, the
    // workers and the writer start at once, so that the target's open overlaps decoding too.
    // A smaller entry gets a block of its own size: many small entries in a row (a content
    // search) would otherwise each cost the mapping of a megabyte.
    void ExpectOutput(uint64_t size);

    // Queues the next segment; its compressed bytes are copied. Returns the first damaged
    // segment once one is known; the decoder must not be used further then.
    // Raises the writer's error when the open or a write failed.
    std::optional<TSegmentFailure> AddSegment(const uint8_t* compressed, size_t compressedSize,
                                              size_t uncompressedSize);

    // Output bytes the job blocks hold now.
    size_t BufferBytes() const;

    // Decodes every queued segment and returns the first damaged one: a fault found after
    // them is reported only when they are sound. The decoder must not be used further.
    std::optional<TSegmentFailure> Drain();

    // Decodes every queued segment, writes the output and waits for every write. Returns the
    // first damaged segment, if any (nothing after it is written); raises the writer's error.
    std::optional<TSegmentFailure> Finish();

private:
    static constexpr size_t kMaxWorkers = 3;
    // A job is closed before its compressed input passes this (a sound segment is hardly
    // larger than its output, so only a damaged table gets here).
    static constexpr size_t kJobInputLimit = 2 * kBlockSize;

    struct TSegmentPlace {
        size_t InputOffset;
        size_t CompressedSize;
        size_t UncompressedSize;
    };

    // Abandoned: not decoded, as an earlier job failed. Written: handed to the writer.
    enum class TJobState { Filling, Queued, Decoded, Failed, Abandoned, Written };

    struct TJob {
        std::vector<uint8_t> Input;  // the segments' compressed bytes back to back, then padding
        std::vector<TSegmentPlace> Segments;
        std::unique_ptr<uint8_t[]> Storage;  // history room, Capacity bytes, the decoder's output slack
        size_t Capacity = 0;
        size_t Size = 0;           // output bytes of its segments
        uint64_t Number = 0;       // jobs before it
        uint64_t FirstSegment = 0;
        uint64_t OutputStart = 0;  // output bytes of the jobs before it
        TJobState State = TJobState::Filling;
        TSegmentFailure Failure{};
        uint64_t WriteTicket = 0;
        uint8_t* Data() const { return Storage.get() + kMaxMatchDistance; }
    };

    TJob& Job(uint64_t number) { return jobs_[number % kJobCount]; }
    void StartWorkers();
    std::optional<TSegmentFailure> QueueAndOpenNext();
    // Waits until every job before the open one is decoded and written, and frees the blocks
    // larger than kBlockSize of the others; the first damaged segment, if any.
    std::optional<TSegmentFailure> ReleaseLargeBuffers();
    std::optional<TSegmentFailure> DecodeAll();
    static void Reserve(TJob& job, size_t capacity);
    void Work();
    // Decodes one queued job on the writer thread, which has nothing to write; false when
    // there is none.
    bool HelpDecode();
    // Takes the next queued job, decodes it and completes what is in order; called locked.
    void DecodeNext(std::unique_lock<std::mutex>& lock);
    void KeepWorkerError();
    // Waits until done holds, called locked, decoding queued jobs meanwhile.
    template <class TDone>
    void DecodeWhileWaiting(std::unique_lock<std::mutex>& lock, TDone done);
    TJobState Decode(TJob& job);
    bool WaitForHistory(TJob& job, size_t& history);
    void CompleteInOrder();
    void KeepHistory(const uint8_t* bytes, size_t count);

    TBlockWriter& writer_;
    TDecodeBuffers* reuse_;
    TJob jobs_[kJobCount];
    std::vector<std::thread> workers_;
    bool threaded_ = false;  // the writer's thread and the workers have started

    // The caller's side, not shared: the output announced by ExpectOutput (unknown: as much
    // as a block), the job being filled and the totals before it.
    uint64_t expected_ = UINT64_MAX;
    uint64_t open_ = 0;
    uint64_t segmentsAdded_ = 0;
    uint64_t outputAdded_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t queued_ = 0;     // jobs handed to the workers
    uint64_t taken_ = 0;      // of those, jobs a worker has taken
    uint64_t completed_ = 0;  // jobs decoded and handed to the writer, all before the others
    std::optional<TSegmentFailure> failure_;  // set when completion reaches a failed job
    std::exception_ptr workerError_;          // what a worker met outside decoding (memory, threads)
    bool stopping_ = false;
    // The last output bytes of the completed jobs, up to kMaxMatchDistance.
    std::unique_ptr<uint8_t[]> history_;
    size_t historySize_ = 0;
};

}  // namespace quillon
