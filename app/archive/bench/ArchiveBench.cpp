// Archive benchmarks, each side by side with its peer (the ratios are printed at the end):
//   DecodeSegments/<corpus>/<compressor>/{ours,liblzo2}: 32 KiB segments decoded in memory by
//     DecodeSegment (all checks on) and by liblzo2's lzo1x_decompress_safe.
//   Extract64MiB/{ExtractEntry,PlainWrite}: a 64 MiB entry extracted to a file, against writing
//     the same decoded bytes to a file in 1 MiB blocks. Each side replaces the file it wrote in
//     its previous iteration, creates, writes, flushes and closes it the same way, and is timed
//     by the wall clock, as ExtractEntry works on several threads.
//   Extract64MiB/DecodeOnly: the same entry through the same decoding threads into a stream
//     that keeps nothing: what extraction costs without the file.
//   LoadDirectoryModel/<entries>: the directory read from a file and put into the entry and
//     folder model as the main window does, 20 entries per folder.

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/FolderModel.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFile.h"
#include "app/archive/RFAFileStore.h"
#include "app/archive/SegmentDecoder.h"
#include "app/archive/bench/BenchCorpora.h"
#include "app/archive/bench/DiscardStream.h"
#include "app/archive/bench/RatioReporter.h"
#include "classlib/core/Stream.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::bench {
namespace {

namespace fs = std::filesystem;
using rfa_test::TestEntry;
using rfa_test::TestSegment;

// Holds the benchmark files; removed at exit.
class TBenchFolder {
public:
    TBenchFolder() : path_(fs::temp_directory_path() / ("quillon-archive-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(path_);
    }
    ~TBenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

TBenchFolder& BenchFolder() {
    static TBenchFolder folder;
    return folder;
}

// The segments back to back, each followed by the decoder's input padding.
struct TPackedSegments {
    std::vector<uint8_t> Bytes;
    std::vector<size_t> Offsets;
    const std::vector<TestSegment>* Segments;
};

TPackedSegments Pack(const std::vector<TestSegment>& segments) {
    TPackedSegments packed;
    packed.Segments = &segments;
    for (const TestSegment& segment : segments) {
        packed.Offsets.push_back(packed.Bytes.size());
        packed.Bytes.insert(packed.Bytes.end(), segment.Compressed.begin(), segment.Compressed.end());
        packed.Bytes.insert(packed.Bytes.end(), kSegmentInputPadding, 0);
    }
    return packed;
}

void DecodeSegments(benchmark::State& state, const TCorpus& corpus, const std::vector<TestSegment>& segments,
                    bool ours) {
    const TPackedSegments packed = Pack(segments);
    std::vector<uint8_t> out(corpus.Data.size() + kSegmentOutputSlack);
    for (auto _ : state) {
        size_t offset = 0;
        for (size_t i = 0; i < segments.size(); ++i) {
            const uint8_t* in = packed.Bytes.data() + packed.Offsets[i];
            const size_t inSize = segments[i].Compressed.size();
            const size_t outSize = segments[i].UncompressedSize;
            bool ok;
            if (ours) {
                ok = DecodeSegment(in, inSize, out.data() + offset, outSize, offset) == SegmentStatus::Ok;
            } else {
                lzo_uint decoded = outSize;
                ok = lzo1x_decompress_safe(in, inSize, out.data() + offset, &decoded, nullptr) == LZO_E_OK &&
                     decoded == outSize;
            }
            if (!ok) state.SkipWithError("a segment failed to decode");
            offset += outSize;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (std::memcmp(out.data(), corpus.Data.data(), corpus.Data.size()) != 0)
        state.SkipWithError("decoded bytes differ from the corpus");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.Data.size()));
}

// The 64 MiB entry: the text and binary corpora, four times over.
struct TBigEntry {
    std::string Archive;
    TRFAFile File;
    std::vector<uint8_t> Decoded;
};

const TBigEntry& BigEntry() {
    static const TBigEntry entry = [] {
        TBigEntry big;
        std::vector<TestSegment> segments;
        for (int i = 0; i < 4; ++i) {
            for (const TCorpus* corpus : {&TextCorpus(), &BinaryCorpus()}) {
                segments.insert(segments.end(), corpus->Lzo1x999Segments.begin(), corpus->Lzo1x999Segments.end());
                big.Decoded.insert(big.Decoded.end(), corpus->Data.begin(), corpus->Data.end());
            }
        }
        big.Archive = BenchFolder().File("big.rfa");
        const rfa_test::ArchiveImage image =
            rfa_test::BuildArchive({TestEntry::FromSegments("data/big.bin", std::move(segments))});
        image.Save(big.Archive);
        big.File = MakeRFAFile("data/big.bin", 0, image.DirectoryOffset, image.Entries[0].DataOffset, 0,
                               uint32_t(big.Decoded.size()));
        return big;
    }();
    return entry;
}

void ExtractEntryBenchmark(benchmark::State& state) {
    const TBigEntry& big = BigEntry();
    const std::string target = BenchFolder().File("extracted.bin");
    for (auto _ : state) ExtractEntry(big.Archive, big.File, target);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(big.Decoded.size()));
}

void DecodeOnlyBenchmark(benchmark::State& state) {
    const TBigEntry& big = BigEntry();
    for (auto _ : state) {
        cl::TFileStream archive(big.Archive, cl::FileMode::OpenRead);
        TArchiveInput input(archive, big.Archive);
        TDiscardStream target;
        DecodeEntry(input, big.File, target);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(big.Decoded.size()));
}

void PlainWriteBenchmark(benchmark::State& state) {
    const TBigEntry& big = BigEntry();
    const std::string target = BenchFolder().File("written.bin");
    constexpr size_t kBlock = size_t(1) << 20;
    for (auto _ : state) {
        cl::TFileStream file(target, cl::FileMode::Create);
        for (size_t start = 0; start < big.Decoded.size(); start += kBlock)
            file.WriteBuffer(big.Decoded.data() + start, std::min(kBlock, big.Decoded.size() - start));
        file.Flush();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(big.Decoded.size()));
}

// An archive of empty entries, 20 to a folder: "bf1942/objects/f00012/e07.con".
std::string DirectoryArchive(size_t entries) {
    const std::string path = BenchFolder().File("directory" + std::to_string(entries) + ".rfa");
    if (fs::exists(path)) return path;
    std::vector<TestEntry> list;
    list.reserve(entries);
    char name[64];
    for (size_t i = 0; i < entries; ++i) {
        std::snprintf(name, sizeof name, "bf1942/objects/f%05zu/e%02zu.con", i / 20, i % 20);
        list.push_back(TestEntry::FromData(name, {}));
    }
    rfa_test::WriteArchive(path, list);
    return path;
}

void LoadDirectoryModelBenchmark(benchmark::State& state) {
    const size_t entries = size_t(state.range(0));
    const std::string archive = DirectoryArchive(entries);
    for (auto _ : state) {
        const TRFADirectory directory = ReadRFADirectory(archive, [](uint32_t, uint32_t) {});
        TRFAFileStore files;
        TFolderModel folders;
        size_t nodes = 0;
        for (uint32_t i = 0; i < directory.Entries.size(); ++i) {
            const TRFADirectoryEntry& record = directory.Entries[i];
            nodes += folders.AddFolderPath(record.Name).size();
            folders.AddEntry(record.Name, files.Add(MakeRFAFile(record.Name, record.ArchiveSize, directory.DirectoryOffset,
                                                                record.DataOffset, i, record.Size)));
        }
        benchmark::DoNotOptimize(nodes);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(entries));
}

void RegisterAll(TRatioReporter& reporter) {
    for (const TCorpus* corpus : {&TextCorpus(), &BinaryCorpus()}) {
        for (const auto& [compressor, segments] :
             {std::pair{"lzo1x_999", &corpus->Lzo1x999Segments}, std::pair{"lzo1x_1", &corpus->Lzo1x1Segments}}) {
            const std::string prefix = "DecodeSegments/" + corpus->Name + "/" + compressor + "/";
            reporter.Compare(prefix + "ours", prefix + "liblzo2", TRatioReporter::TRatio::Speedup);
            for (bool ours : {true, false}) {
                const std::string name = prefix + (ours ? "ours" : "liblzo2");
                benchmark::RegisterBenchmark(name.c_str(), [corpus, segments, ours](benchmark::State& state) {
                    DecodeSegments(state, *corpus, *segments, ours);
                })->Unit(benchmark::kMillisecond);
            }
        }
    }
    reporter.Compare("Extract64MiB/ExtractEntry", "Extract64MiB/PlainWrite", TRatioReporter::TRatio::TimeFactor);
    benchmark::RegisterBenchmark("Extract64MiB/ExtractEntry", ExtractEntryBenchmark)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Extract64MiB/DecodeOnly", DecodeOnlyBenchmark)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Extract64MiB/PlainWrite", PlainWriteBenchmark)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadDirectoryModel", LoadDirectoryModelBenchmark)
        ->Arg(10000)
        ->Arg(100000)
        ->Arg(1000000)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace quillon::bench

int main(int argc, char** argv) {
    if (lzo_init() != LZO_E_OK) return 1;
    benchmark::Initialize(&argc, argv);
    quillon::bench::TRatioReporter reporter;
    quillon::bench::RegisterAll(reporter);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
