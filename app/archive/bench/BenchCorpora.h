#pragma once
// The data the archive benchmarks use: a text corpus and a binary corpus gathered from files of
// the machine (8 MiB each), cut into 32 KiB segments compressed by liblzo2.

#include <string>
#include <vector>

#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::bench {

constexpr size_t kCorpusSize = size_t(8) << 20;
constexpr size_t kSegmentSize = 32768;

struct TCorpus {
    std::string Name;
    std::vector<uint8_t> Data;
    std::vector<rfa_test::TestSegment> Lzo1x1Segments;
    std::vector<rfa_test::TestSegment> Lzo1x999Segments;
};

const TCorpus& TextCorpus();    // C++ headers and documentation texts
const TCorpus& BinaryCorpus();  // programs and shared libraries

}  // namespace quillon::bench
