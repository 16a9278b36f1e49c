#include "app/archive/bench/BenchCorpora.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quillon::bench {

namespace {

namespace fs = std::filesystem;

bool LooksLikeText(const std::vector<uint8_t>& bytes) {
    return std::find(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 4096), 0) ==
           bytes.begin() + std::min<size_t>(bytes.size(), 4096);
}

// Files of the folders in name order, text or binary ones only, until the corpus is full.
std::vector<uint8_t> Gather(const std::vector<std::string>& folders, bool text) {
    std::vector<uint8_t> corpus;
    for (const std::string& folder : folders) {
        std::error_code error;
        std::vector<fs::path> files;
        for (const auto& item : fs::directory_iterator(folder, error))
            if (item.is_regular_file(error) && !item.is_symlink(error)) files.push_back(item.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& path : files) {
            std::ifstream file(path, std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            if (bytes.empty() || LooksLikeText(bytes) != text) continue;
            bytes.resize(std::min(bytes.size(), kCorpusSize - corpus.size()));
            corpus.insert(corpus.end(), bytes.begin(), bytes.end());
            if (corpus.size() == kCorpusSize) return corpus;
        }
    }
    std::fprintf(stderr, "warning: only %zu bytes found for a corpus; repeating them\n", corpus.size());
    if (corpus.empty()) corpus.push_back('x');
    for (size_t i = 0; corpus.size() < kCorpusSize; ++i) corpus.push_back(corpus[i]);
    return corpus;
}

std::vector<rfa_test::TestSegment> Compress(const std::vector<uint8_t>& data, rfa_test::Compression compression) {
    std::vector<rfa_test::TestSegment> segments;
    for (size_t start = 0; start < data.size(); start += kSegmentSize) {
        const size_t size = std::min(kSegmentSize, data.size() - start);
        segments.push_back({rfa_test::CompressSegment(data.data() + start, size, compression), uint32_t(size)});
    }
    return segments;
}

TCorpus MakeCorpus(std::string name, std::vector<uint8_t> data) {
    TCorpus corpus;
    corpus.Name = std::move(name);
    corpus.Data = std::move(data);
    corpus.Lzo1x1Segments = Compress(corpus.Data, rfa_test::Compression::Lzo1x1);
    corpus.Lzo1x999Segments = Compress(corpus.Data, rfa_test::Compression::Lzo1x999);
    return corpus;
}

}  // namespace

const TCorpus& TextCorpus() {
    static const TCorpus corpus = MakeCorpus(
        "text", Gather({"/usr/include/c++/12/bits", "/usr/include/c++/12", "/usr/include", "/usr/share/common-licenses"},
                       true));
    return corpus;
}

const TCorpus& BinaryCorpus() {
    static const TCorpus corpus =
        MakeCorpus("binary", Gather({"/usr/bin", "/usr/lib/x86_64-linux-gnu", "/usr/lib"}, false));
    return corpus;
}

}  // namespace quillon::bench
