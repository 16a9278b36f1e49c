// Differential test against liblzo2's compressors (host builds only): varied inputs are
// compressed by lzo1x_1 and lzo1x_999, written as archives and extracted; every byte must
// come back.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include <lzo/lzo1x.h>

#include "app/archive/EntryDecoder.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/SegmentDecoder.h"
#include "app/archive/tests/TestFiles.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::test {
namespace {

using rfa_test::Compression;
using rfa_test::TestEntry;

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = uint8_t(random());
    return bytes;
}

std::vector<uint8_t> TextLike(size_t size) {
    static const char* const words[] = {"ObjectTemplate", ".create", " ", "\r\n", "rem ", "Game.", "setPosition",
                                        "0/", "1.5", "Wake", "if v_arg1 == ", "endIf", "include ", "=", "\t"};
    std::mt19937 random(7);
    std::string text;
    while (text.size() < size) text += words[random() % std::size(words)];
    return std::vector<uint8_t>(text.begin(), text.begin() + size);
}

// Runs of equal bytes of varied lengths, the case where matches overlap their own output.
std::vector<uint8_t> Runs(size_t size) {
    std::mt19937 random(11);
    std::vector<uint8_t> bytes;
    while (bytes.size() < size) bytes.insert(bytes.end(), 1 + random() % 300, uint8_t(random() % 4));
    bytes.resize(size);
    return bytes;
}

// Short repeating patterns of every period from 1 to 40 (distances below 16 copy specially).
std::vector<uint8_t> ShortPeriods(size_t size) {
    std::vector<uint8_t> bytes;
    for (size_t period = 1; bytes.size() < size; period = period % 40 + 1)
        for (size_t i = 0; i < 200; ++i) bytes.push_back(uint8_t('a' + i % period));
    bytes.resize(size);
    return bytes;
}

// A few real files of the machine, at most 2 MiB of each.
std::vector<TestEntry> MachineFiles() {
    namespace fs = std::filesystem;
    std::vector<TestEntry> entries;
    const char* const candidates[] = {"/usr/share/common-licenses/GPL-3", "/usr/bin/cmake", "/usr/bin/gzip",
                                      "/usr/share/dict/words", "/etc/services", "/usr/lib/os-release"};
    for (const char* path : candidates) {
        std::error_code error;
        if (!fs::is_regular_file(path, error)) continue;
        entries.push_back(TestEntry::FromData("machine" + std::string(path), ReadWholeFile(path, 2 << 20)));
    }
    return entries;
}

std::vector<TestEntry> Inputs() {
    std::vector<TestEntry> entries;
    for (size_t size : {size_t(0), size_t(1), size_t(2), size_t(3), size_t(4), size_t(17), size_t(18), size_t(239),
                        size_t(32768), size_t(100000)})
        entries.push_back(TestEntry::FromData("random/" + std::to_string(size), RandomBytes(size, uint32_t(size))));
    entries.push_back(TestEntry::FromData("random/3MiB", RandomBytes(3 << 20, 3)));
    entries.push_back(TestEntry::FromData("text/1MiB", TextLike(1 << 20)));
    entries.push_back(TestEntry::FromData("text/5000", TextLike(5000)));
    entries.push_back(TestEntry::FromData("zero/2MiB", std::vector<uint8_t>(2 << 20, 0)));
    entries.push_back(TestEntry::FromData("zero/40000", std::vector<uint8_t>(40000, 0)));
    entries.push_back(TestEntry::FromData("runs/1MiB", Runs(1 << 20)));
    entries.push_back(TestEntry::FromData("periods/300000", ShortPeriods(300000)));
    std::vector<uint8_t> binary;  // a mix: structured records with counters and padding
    for (uint32_t i = 0; binary.size() < (1 << 20); ++i) {
        const uint8_t record[16] = {uint8_t(i), uint8_t(i >> 8), 0, 0, 0x3F, 0x80, 0, 0, uint8_t(i * 3), 0, 0, 0, 1, 0, 0, 0};
        binary.insert(binary.end(), record, record + 16);
    }
    entries.push_back(TestEntry::FromData("binary/1MiB", std::move(binary)));
    for (TestEntry& entry : MachineFiles()) entries.push_back(std::move(entry));
    return entries;
}

void ExpectRoundTrip(const std::vector<TestEntry>& entries, const rfa_test::WriterOptions& options) {
    TTempFolder folder;
    const std::string archive = folder.File("diff.rfa");
    const std::string target = folder.File("out.bin");
    rfa_test::WriteArchive(archive, entries, options);
    const TRFADirectory directory = ReadRFADirectory(archive);
    ASSERT_EQ(directory.Entries.size(), entries.size());
    for (uint32_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].Name);
        const TRFADirectoryEntry& record = directory.Entries[i];
        const TRFAFile file = MakeRFAFile(record.Name, record.ArchiveSize, directory.DirectoryOffset,
                                          record.DataOffset, i, record.Size);
        ExtractEntry(archive, file, target);
        EXPECT_TRUE(ReadWholeFile(target) == entries[i].Data);
    }
}

TEST(Differential, LzoCompressedEntriesComeBackExactly) {
    const std::vector<TestEntry> entries = Inputs();
    for (Compression compression : {Compression::Lzo1x1, Compression::Lzo1x999}) {
        SCOPED_TRACE(compression == Compression::Lzo1x1 ? "lzo1x_1" : "lzo1x_999");
        rfa_test::WriterOptions options;
        options.compression = compression;
        ExpectRoundTrip(entries, options);
    }
}

TEST(Differential, LongDistancesInLargerSegments) {
    // 64 KiB segments let lzo1x_999 use distances of 32,768 to 49,151 (tokens 24 to 31):
    // random blocks repeated 40,000 bytes later.
    std::vector<uint8_t> data;
    for (uint32_t block = 0; block < 8; ++block) {
        const std::vector<uint8_t> random = RandomBytes(40000, block);
        data.insert(data.end(), random.begin(), random.end());
        data.insert(data.end(), random.begin(), random.begin() + 25536);
    }
    rfa_test::WriterOptions options;
    options.compression = Compression::Lzo1x999;
    options.SegmentSize = 65536;
    ExpectRoundTrip({TestEntry::FromData("far/repeats", std::move(data))}, options);
}

TEST(Differential, SegmentsCompressedAgainstEarlierOutput) {
    // lzo1x_999 given the output before each segment as its dictionary: matches reach back
    // into earlier segments, across the starts of the decoder's output blocks too.
    ASSERT_EQ(lzo_init(), LZO_E_OK);
    const std::vector<uint8_t> data = TextLike(5 << 19);  // 2.5 MiB, three output blocks
    std::vector<rfa_test::TestSegment> segments;
    std::vector<uint8_t> work(LZO1X_999_MEM_COMPRESS);
    size_t blockStartsNeedingHistory = 0;
    for (size_t start = 0; start < data.size(); start += 32768) {
        const size_t size = std::min<size_t>(32768, data.size() - start);
        const size_t dictionary = std::min(start, kMaxMatchDistance);
        std::vector<uint8_t> compressed(size + size / 16 + 64 + 3 + kSegmentInputPadding);
        lzo_uint compressedSize = 0;
        ASSERT_EQ(lzo1x_999_compress_dict(data.data() + start, size, compressed.data(), &compressedSize, work.data(),
                                          data.data() + start - dictionary, dictionary),
                  LZO_E_OK);
        if (start != 0 && start % TEntryDecoder::kBlockSize == 0) {
            std::vector<uint8_t> alone(size + kSegmentOutputSlack);
            blockStartsNeedingHistory +=
                DecodeSegment(compressed.data(), compressedSize, alone.data(), size, 0) == SegmentStatus::DistanceTooFar;
        }
        compressed.resize(compressedSize);
        segments.push_back({std::move(compressed), uint32_t(size)});
    }
    ASSERT_EQ(blockStartsNeedingHistory, 2u);

    TestEntry entry = TestEntry::FromSegments("dictionary/text", std::move(segments));
    entry.Data = data;
    ExpectRoundTrip({entry}, {});
}

}  // namespace
}  // namespace quillon::test
