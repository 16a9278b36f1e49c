// archive-fuzz-seeds <directory seeds> <segment seeds>: writes the starting corpora of the two
// fuzz targets with the test-archive writer.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "tools/rfa_writer/RfaWriter.h"

namespace {

using rfa_test::Compression;
using rfa_test::TestEntry;

void Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> Text(size_t size) {
    const std::string words = "ObjectTemplate.create rem Game.setPosition 0/1.5 Wake endIf\r\n";
    std::vector<uint8_t> bytes;
    for (size_t i = 0; bytes.size() < size; i += 7) bytes.push_back(uint8_t(words[i % words.size()]));
    return bytes;
}

std::vector<TestEntry> SmallEntries() {
    return {TestEntry::FromText("readme.txt", "top"), TestEntry::FromData("a/b/text.con", Text(700)),
            TestEntry::FromData("A/zero.bin", std::vector<uint8_t>(300, 0)), TestEntry::FromData("a/empty", {})};
}

std::vector<Compression> Compressions() {
    std::vector<Compression> all = {Compression::LiteralOnly};
    if (rfa_test::HasLzo()) all.insert(all.end(), {Compression::Lzo1x1, Compression::Lzo1x999});
    return all;
}

void WriteDirectorySeeds(const std::string& folder) {
    int n = 0;
    for (Compression compression : Compressions()) {
        rfa_test::WriterOptions options;
        options.compression = compression;
        options.SegmentSize = 256;  // several segments per entry
        Save(folder + "/archive" + std::to_string(n++), rfa_test::BuildArchive(SmallEntries(), options).Bytes);
    }
    Save(folder + "/empty", rfa_test::BuildArchive({}).Bytes);
    rfa_test::ArchiveImage broken = rfa_test::BuildArchive(SmallEntries());
    broken.Set(rfa_test::Field::UncompressedSize, 9999, 1, 0);
    Save(folder + "/broken", broken.Bytes);
}

// Mode byte 0, stated size, no earlier output, then the segment.
std::vector<uint8_t> RawSeed(const std::vector<uint8_t>& data, Compression compression) {
    const std::vector<uint8_t> segment = rfa_test::CompressSegment(data.data(), data.size(), compression);
    std::vector<uint8_t> seed = {0, uint8_t(data.size()), uint8_t(data.size() >> 8), 0, 0};
    seed.insert(seed.end(), segment.begin(), segment.end());
    return seed;
}

void WriteSegmentSeeds(const std::string& folder) {
    int n = 0;
    for (Compression compression : Compressions()) {
        Save(folder + "/text" + std::to_string(n), RawSeed(Text(2000), compression));
        Save(folder + "/zero" + std::to_string(n), RawSeed(std::vector<uint8_t>(1000, 0), compression));
        Save(folder + "/short" + std::to_string(n), RawSeed({'a', 'b', 'c'}, compression));
        ++n;
    }
    std::vector<uint8_t> roundTrip = {1};
    const std::vector<uint8_t> text = Text(3000);
    roundTrip.insert(roundTrip.end(), text.begin(), text.end());
    Save(folder + "/roundtrip", roundTrip);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: archive-fuzz-seeds <directory seeds> <segment seeds>\n");
        return 2;
    }
    try {
        WriteDirectorySeeds(argv[1]);
        WriteSegmentSeeds(argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "archive-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
