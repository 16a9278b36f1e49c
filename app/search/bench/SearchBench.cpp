// Content search over large text entries, each side by side with its peer, all over the same
// 8 MiB of text in entries of 1 MiB (32 KiB segments, compressed by lzo1x_999):
//   SearchContents/Decode:   the entries decoded and the bytes dropped, the decoder's figure;
//   SearchContents/Search:   the entries searched for a term found in none of them;
//   SearchContents/Matcher:  the term matcher alone over the decoded bytes in memory;
//   SearchContents/memmem:   the C library's case-sensitive search over the same bytes.

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/bench/BenchCorpora.h"
#include "app/archive/bench/DiscardStream.h"
#include "app/search/ContentSearch.h"
#include "app/search/TermMatcher.h"
#include "classlib/core/Stream.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::bench {
namespace {

namespace fs = std::filesystem;

constexpr size_t kEntrySize = size_t(1) << 20;
const std::string kTerm = "not in any of them, at all";

struct TTextArchive {
    std::string Path;
    std::vector<TRFAFile> Entries;
    size_t Bytes = 0;
};

// Removed at exit.
struct TTextArchiveFile : TTextArchive {
    TTextArchiveFile() {
        Path = (fs::temp_directory_path() / ("quillon-search-bench-" + std::to_string(std::random_device()()) + ".rfa"))
                   .string();
        const TCorpus& text = TextCorpus();
        const size_t segmentsPerEntry = kEntrySize / kSegmentSize;
        std::vector<rfa_test::TestEntry> entries;
        for (size_t first = 0; first < text.Lzo1x999Segments.size(); first += segmentsPerEntry) {
            std::vector<rfa_test::TestSegment> segments(
                text.Lzo1x999Segments.begin() + first,
                text.Lzo1x999Segments.begin() + std::min(first + segmentsPerEntry, text.Lzo1x999Segments.size()));
            entries.push_back(rfa_test::TestEntry::FromSegments("text/t" + std::to_string(first) + ".con", segments));
        }
        const rfa_test::ArchiveImage image = rfa_test::BuildArchive(entries);
        image.Save(Path);
        for (size_t i = 0; i < entries.size(); ++i) {
            uint32_t size = 0;
            for (const rfa_test::TestSegment& segment : entries[i].Segments) size += segment.UncompressedSize;
            Entries.push_back(MakeRFAFile(entries[i].Name, 0, image.DirectoryOffset, image.Entries[i].DataOffset,
                                          uint32_t(i), size));
            Bytes += size;
        }
    }
    ~TTextArchiveFile() {
        std::error_code ignored;
        fs::remove(Path, ignored);
    }
};

const TTextArchive& TextArchive() {
    static const TTextArchiveFile archive;
    return archive;
}

// Reads every entry in each iteration as a content search does: one open archive and one set
// of decoder buffers for all of them.
template <typename ReadEntry>
void ReadEveryEntry(benchmark::State& state, const ReadEntry& read) {
    const TTextArchive& archive = TextArchive();
    for (auto _ : state) {
        cl::TFileStream file(archive.Path, cl::FileMode::OpenRead);
        TArchiveInput input(file, archive.Path);
        TDecodeBuffers buffers;
        for (const TRFAFile& entry : archive.Entries) read(input, entry, buffers);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(archive.Bytes));
}

void DecodeBenchmark(benchmark::State& state) {
    ReadEveryEntry(state, [](TArchiveInput& input, const TRFAFile& entry, TDecodeBuffers& buffers) {
        TDiscardStream dropped;
        DecodeEntry(input, entry, dropped, [] {}, &buffers);
    });
}

void SearchBenchmark(benchmark::State& state) {
    ReadEveryEntry(state, [&state](TArchiveInput& input, const TRFAFile& entry, TDecodeBuffers& buffers) {
        if (SearchEntryContents(input, entry, kTerm, [] {}, &buffers).Found) state.SkipWithError("the term was found");
    });
}

void MatcherBenchmark(benchmark::State& state) {
    const std::vector<uint8_t>& text = TextCorpus().Data;
    for (auto _ : state) {
        TTermMatcher matcher(kTerm);
        matcher.Feed(text.data(), text.size());
        if (matcher.Found()) state.SkipWithError("the term was found");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void MemmemBenchmark(benchmark::State& state) {
    const std::vector<uint8_t>& text = TextCorpus().Data;
    for (auto _ : state) {
        const void* at = memmem(text.data(), text.size(), kTerm.data(), kTerm.size());
        benchmark::DoNotOptimize(at);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

}  // namespace
}  // namespace quillon::bench

int main(int argc, char** argv) {
    if (lzo_init() != LZO_E_OK) return 1;
    benchmark::Initialize(&argc, argv);
    using namespace quillon::bench;
    benchmark::RegisterBenchmark("SearchContents/Decode", DecodeBenchmark)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchContents/Search", SearchBenchmark)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchContents/Matcher", MatcherBenchmark)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchContents/memmem", MemmemBenchmark)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
