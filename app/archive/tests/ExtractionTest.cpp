// Extraction with the literal-only writer (no liblzo2 needed, so this runs under Wine too):
// whole entries back exactly, and damaged data blocks rejected without a partial file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <thread>

#ifdef __linux__
#include <sched.h>
#endif

#include "app/archive/EntryDecoder.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFormatError.h"
#include "app/archive/tests/StreamBuilder.h"
#include "app/archive/tests/TestFiles.h"
#include "classlib/core/Exception.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "tools/rfa_writer/SampleArchive.h"

namespace quillon::test {
namespace {

using rfa_test::ArchiveImage;
using rfa_test::Field;
using rfa_test::TestEntry;

TRFAFile EntryOf(const ArchiveImage& image, size_t index, const std::string& fileName) {
    return MakeRFAFile(fileName, 0, image.DirectoryOffset, image.Entries.at(index).DataOffset, uint32_t(index),
                       image.Get(Field::Size, index));
}

TEST(Extraction, EntriesComeBackExactly) {
    TTempFolder folder;
    const std::string archive = folder.File("literal.rfa");
    // Sizes around the literal run forms and the segment size, and an entry of more output
    // blocks than the decoder keeps, so that they are reused.
    const std::vector<size_t> sizes = {0, 1, 3, 4, 238, 239, 32767, 32768, 32769,
                                       (TEntryDecoder::kJobCount + 1) * TEntryDecoder::kBlockSize + 17};
    std::vector<TestEntry> entries;
    for (size_t size : sizes) entries.push_back(TestEntry::FromData("f/" + std::to_string(size), Pattern(size, size)));
    rfa_test::WriterOptions options;
    options.EmptyEntryAsOneSegment = false;
    const ArchiveImage image = rfa_test::BuildArchive(entries, options);
    image.Save(archive);

    const std::string target = folder.File("out.bin");
    for (size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        const uint32_t segments = ExtractEntry(archive, EntryOf(image, i, std::to_string(sizes[i])), target);
        EXPECT_EQ(segments, (sizes[i] + 32767) / 32768);
        EXPECT_EQ(ReadWholeFile(target), Pattern(sizes[i], sizes[i]));
    }
}

TEST(Extraction, EntryOfManySmallSegments) {
    // More segments than the table is read at a time, the first chunk of them one output block
    // exactly: the writer thread then starts only once that block is full.
    TTempFolder folder;
    rfa_test::WriterOptions options;
    options.SegmentSize = 1024;
    const ArchiveImage image = rfa_test::BuildArchive({TestEntry::FromData("a/many", Pattern(1100 * 1024))}, options);
    image.Save(folder.File("a.rfa"));
    EXPECT_EQ(ExtractEntry(folder.File("a.rfa"), EntryOf(image, 0, "many"), folder.File("out")), 1100u);
    EXPECT_EQ(ReadWholeFile(folder.File("out")), Pattern(1100 * 1024));
}

TEST(Extraction, EmptyEntryAsOneEmptySegment) {
    TTempFolder folder;
    rfa_test::WriterOptions options;
    options.EmptyEntryAsOneSegment = true;
    const ArchiveImage image = rfa_test::BuildArchive({TestEntry::FromData("a/empty", {})}, options);
    image.Save(folder.File("a.rfa"));
    EXPECT_EQ(ExtractEntry(folder.File("a.rfa"), EntryOf(image, 0, "empty"), folder.File("out")), 1u);
    EXPECT_TRUE(ReadWholeFile(folder.File("out")).empty());
}

TEST(Extraction, SampleArchiveEntriesDecodeToTheirBytes) {
    TTempFolder folder;
    const std::string archive = folder.File("sample.rfa");
    const std::vector<TestEntry> entries = rfa_test::SampleArchiveEntries();
    rfa_test::WriterOptions options;
    options.compression = rfa_test::BestCompression();
    rfa_test::WriteArchive(archive, entries, options);

    const TRFADirectory directory = ReadRFADirectory(archive);
    ASSERT_EQ(directory.Entries.size(), entries.size());
    for (uint32_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].Name);
        const TRFADirectoryEntry& record = directory.Entries[i];
        EXPECT_EQ(record.Name, entries[i].Name);
        EXPECT_EQ(record.Size, entries[i].Data.size());
        const TRFAFile file = MakeRFAFile(record.Name, record.ArchiveSize, directory.DirectoryOffset,
                                          record.DataOffset, i, record.Size);
        ExtractEntry(archive, file, folder.File("entry"));
        EXPECT_EQ(ReadWholeFile(folder.File("entry")), entries[i].Data);
    }
}

TEST(Extraction, ArchiveWrittenFromAFolder) {
    TTempFolder folder;
    const std::string source = folder.File("source");
    std::filesystem::create_directories(source + "/Levels/Wake");
    WriteWholeFile(source + "/Levels/Wake/init.con", Pattern(70000));
    WriteWholeFile(source + "/top.txt", Pattern(5));

    const std::vector<TestEntry> entries = rfa_test::EntriesFromFolder(source);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Name, "Levels/Wake/init.con");
    EXPECT_EQ(entries[1].Name, "top.txt");
    const std::string archive = folder.File("folder.rfa");
    rfa_test::WriteArchive(archive, entries);
    const TRFADirectory directory = ReadRFADirectory(archive);
    ASSERT_EQ(directory.Entries.size(), 2u);
    ExtractEntry(archive,
                 MakeRFAFile(directory.Entries[0].Name, 0, 0, directory.Entries[0].DataOffset, 0, directory.Entries[0].Size),
                 folder.File("init.con"));
    EXPECT_EQ(ReadWholeFile(folder.File("init.con")), Pattern(70000));
}

struct DamageCase {
    const char* name;
    std::function<void(ArchiveImage&)> damage;
    const char* problem;  // part of the message
};

// Entry 1 is the damaged one. Its 40 segments of 32 KiB are more than the decoder's output
// block, so part of it has been written before the damage in the last segment is met.
constexpr size_t kBigSegments = 40;
constexpr size_t kLast = kBigSegments - 1;

std::vector<DamageCase> DamageCases() {
    return {
        {"a data offset past the end", [](ArchiveImage& a) { a.Entries[1].DataOffset = uint32_t(a.Bytes.size() - 3); },
         "entry \"big.bin\" has its data at offset"},
        {"a segment count the file cannot hold", [](ArchiveImage& a) { a.Set(Field::SegmentCount, 0x20000000, 1); },
         "entry \"big.bin\" claims 536870912 segments, more than the file can hold"},
        {"a compressed size above 49,153",
         [](ArchiveImage& a) { a.Set(Field::CompressedSize, 49154, 1, kLast); },
         "segment 40 of 40: its compressed size of 49154 bytes is above 49153"},
        {"more output claimed than the compressed size can give",
         [](ArchiveImage& a) { a.Set(Field::UncompressedSize, 0x7FFFFFFF, 1, kLast); },
         "segment 40 of 40: it claims 2147483647 bytes from only"},
        {"more output claimed than the entry's size", [](ArchiveImage& a) { a.Set(Field::Size, 3 * 32768, 1); },
         "segment 4 of 40: the segments so far claim 131072 bytes, more than the entry's size of 98304 bytes"},
        {"segments sharing their compressed bytes, each claiming 255 times their size",
         [](ArchiveImage& a) {
             for (size_t i = 0; i < kBigSegments; ++i) {
                 a.Set(Field::SegmentOffset, a.Get(Field::SegmentOffset, 1, 0), 1, i);
                 a.Set(Field::UncompressedSize, 255 * a.Get(Field::CompressedSize, 1, 0), 1, i);
             }
         },
         "segment 1 of 40: the segments so far claim"},
        {"a segment offset past the end", [](ArchiveImage& a) { a.Set(Field::SegmentOffset, 0x7FFFFFFF, 1, kLast); },
         "segment 40 of 40: it lies beyond the end of the file"},
        {"an archive cut inside the last segment",
         [](ArchiveImage& a) { a.Bytes.resize(a.Entries[1].SegmentDataOffsets[kLast] + 100); },
         "segment 40 of 40: it lies beyond the end of the file"},
        {"a segment without the last byte of its end marker",
         [](ArchiveImage& a) {
             a.Set(Field::CompressedSize, a.DirectoryOffset - a.Entries[1].SegmentDataOffsets[kLast] - 1, 1, kLast);
         },
         "segment 40 of 40: it is corrupt: its compressed data ends before the end marker"},
        {"a wrong uncompressed size", [](ArchiveImage& a) { a.Set(Field::UncompressedSize, 32767, 1, kLast); },
         "segment 40 of 40: it is corrupt: it decodes to more bytes than its stated size"},
        // Later segments are read, and blocks decoded, while earlier ones are still being
        // decoded: the first fault in the entry is still the one reported.
        {"a damaged segment and a later fault in the table",
         [](ArchiveImage& a) {
             a.Set(Field::UncompressedSize, 32769, 1, 2);
             a.Set(Field::SegmentOffset, 0x7FFFFFFF, 1, kLast);
         },
         "segment 3 of 40: it is corrupt: it decodes to fewer bytes than its stated size"},
        {"damaged segments in two output blocks",
         [](ArchiveImage& a) {
             a.Set(Field::UncompressedSize, 32767, 1, 34);
             a.Set(Field::UncompressedSize, 32769, 1, 5);
         },
         "segment 6 of 40: it is corrupt: it decodes to fewer bytes than its stated size"},
    };
}

TEST(Extraction, DamagedDataRaisesClearErrorAndLeavesNoFile) {
    TTempFolder folder;
    const std::string archive = folder.File("damaged.rfa");
    const std::string target = folder.File("big.bin");
    for (const DamageCase& c : DamageCases()) {
        SCOPED_TRACE(c.name);
        ArchiveImage image = rfa_test::BuildArchive(
            {TestEntry::FromText("a/small.txt", "small"), TestEntry::FromData("b/big.bin", Pattern(kBigSegments * 32768))});
        // The entry as the directory gave it before the damage (which may cut the directory off),
        // or its damaged size.
        TRFAFile entry = EntryOf(image, 1, "big.bin");
        c.damage(image);
        if (image.FieldOffset(Field::Size, 1) + 4 <= image.Bytes.size()) entry.Size = image.Get(Field::Size, 1);
        entry.DataOffset = image.Entries[1].DataOffset;
        image.Save(archive);
        rfa_test::WriteArchive(target, {});  // an older file of that name is replaced, so it goes too
        try {
            ExtractEntry(archive, entry, target);
            ADD_FAILURE() << "no error raised";
        } catch (const ERFAFormatError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("The archive \"" + archive + "\" is damaged: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        }
        EXPECT_FALSE(FileExists(target));
    }
}

// A target that takes a given number of bytes and then refuses, as a full disk does.
class TFillingStream : public cl::TStream {
public:
    explicit TFillingStream(size_t room) : room_(room) {}
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override {
        const size_t taken = std::min(count, room_);
        room_ -= taken;
        return taken;
    }
    int64_t Seek(int64_t, cl::SeekOrigin) override { return 0; }

private:
    size_t room_;
};

TEST(Extraction, WriteErrorsReachTheCaller) {
    const ArchiveImage image = rfa_test::BuildArchive(
        {TestEntry::FromData("a/small", Pattern(100000)), TestEntry::FromData("a/big", Pattern(6 << 20))});
    // Failing in an entry of one block (written on the calling thread), and in a larger one in
    // its first block, in a block written in the background, and in the last one.
    const struct {
        size_t entry;
        size_t room;
    } cases[] = {{0, 1000}, {1, 1000}, {1, size_t(2) << 20}, {1, (size_t(6) << 20) - 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.entry << ", room " << c.room);
        cl::TMemoryStream archive(image.Bytes);
        TArchiveInput input(archive, "a.rfa");
        TFillingStream target(c.room);
        EXPECT_THROW(DecodeEntry(input, EntryOf(image, c.entry, "entry"), target), cl::EWriteError);
    }
}

// Segments may each claim up to kMaxSegmentExpansion times their compressed size, and a damaged
// table can make every segment such a one: the decoder then holds one such block at a time, not
// one per job in flight.
TEST(Extraction, SegmentsClaimingMuchOutputAreHeldOneAtATime) {
    // One zero, then a run of it (token 32 with its length in zero bytes, distance 1): about
    // 255 output bytes per compressed byte.
    const size_t zeroBytes = 49000;
    const Bytes segment = Cat({FirstRun(1), {0, 32}, Bytes(zeroBytes, 0), {1, 0, 0}, kEndMarker});
    const size_t output = 1 + 33 + 255 * zeroBytes + 1;
    ASSERT_LE(output, kMaxSegmentExpansion * segment.size());
    TFillingStream target(SIZE_MAX);
    TBlockWriter writer([&target]() -> cl::TStream& { return target; });
    TEntryDecoder decoder(writer);
    const size_t count = 12;
    decoder.ExpectOutput(count * output);
    for (size_t i = 0; i < count; ++i) ASSERT_FALSE(decoder.AddSegment(segment.data(), segment.size(), output));
    EXPECT_FALSE(decoder.Finish());
    EXPECT_LE(decoder.BufferBytes(), output + TEntryDecoder::kJobCount * TEntryDecoder::kBlockSize);
}

#ifdef __linux__
// Runs body on a thread that may use only the first `cores` of the cores this one may use.
void OnCores(size_t cores, const std::function<void()>& body) {
    std::thread thread([&] {
        cpu_set_t allowed, chosen;
        CPU_ZERO(&chosen);
        ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
        for (int cpu = 0, taken = 0; cpu < CPU_SETSIZE && size_t(taken) < cores; ++cpu) {
            if (CPU_ISSET(cpu, &allowed)) {
                CPU_SET(cpu, &chosen);
                ++taken;
            }
        }
        ASSERT_EQ(sched_setaffinity(0, sizeof chosen, &chosen), 0);
        body();
    });
    thread.join();
}
#endif

TEST(Extraction, OneOrTwoCoresDecodeAlike) {
#ifndef __linux__
    GTEST_SKIP() << "chooses the thread's cores the Linux way";
#else
    // With one or two cores there is no worker: the calling thread and the writer's decode.
    // An entry of more blocks than are kept, so that the caller waits for places to come free.
    const size_t size = (TEntryDecoder::kJobCount + 2) * TEntryDecoder::kBlockSize + 17;
    const size_t segments = (size + 32767) / 32768;
    ArchiveImage sound = rfa_test::BuildArchive({TestEntry::FromData("a/big", Pattern(size))});
    ArchiveImage damaged = sound;
    damaged.Set(Field::CompressedSize, 49154, 0, 100);
    TTempFolder folder;
    sound.Save(folder.File("sound.rfa"));
    damaged.Save(folder.File("damaged.rfa"));
    const std::string target = folder.File("big.bin");
    for (size_t cores : {1, 2}) {
        OnCores(cores, [&] {
            SCOPED_TRACE(testing::Message() << cores << " cores");
            ExtractEntry(folder.File("sound.rfa"), EntryOf(sound, 0, "big"), target);
            EXPECT_EQ(ReadWholeFile(target), Pattern(size));
            try {
                ExtractEntry(folder.File("damaged.rfa"), EntryOf(damaged, 0, "big"), target);
                ADD_FAILURE() << "no error raised";
            } catch (const ERFAFormatError& error) {
                EXPECT_NE(std::string(error.what()).find("segment 101 of " + std::to_string(segments) + ": "),
                          std::string::npos)
                    << error.what();
            }
            EXPECT_FALSE(FileExists(target));
            cl::TMemoryStream archive(sound.Bytes);
            TArchiveInput input(archive, "sound.rfa");
            TFillingStream full(size_t(3) << 20);
            EXPECT_THROW(DecodeEntry(input, EntryOf(sound, 0, "big"), full), cl::EWriteError);
        });
    }
#endif
}

TEST(Extraction, UncreatableTargetRaisesCreateErrorEvenForADamagedArchive) {
    // The target is created while decoding goes on; its error still comes first, also when
    // the archive turns out damaged before the create has failed.
    TTempFolder folder;
    const std::string archive = folder.File("a.rfa");
    const std::string target = folder.File("no-such-folder/out.bin");
    for (bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged archive" : "sound archive");
        ArchiveImage image = rfa_test::BuildArchive({TestEntry::FromData("a/big", Pattern(3 << 20))});
        if (damaged) image.Set(Field::CompressedSize, 49154, 0, 0);
        image.Save(archive);
        EXPECT_THROW(ExtractEntry(archive, EntryOf(image, 0, "big"), target), cl::EFCreateError);
        EXPECT_FALSE(FileExists(target));
    }
}

TEST(Extraction, FailingLastWriteIsReportedAndTheTargetDeleted) {
#ifdef _WIN32
    GTEST_SKIP() << "needs /dev/full";
#else
    // Writes to /dev/full wait in the file's buffer and fail when it is flushed, as the last
    // write to a full disk does. The target is a link to it, so that deleting it is harmless.
    if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TTempFolder folder;
    const ArchiveImage image = rfa_test::BuildArchive({TestEntry::FromData("a/small", Pattern(100))});
    image.Save(folder.File("a.rfa"));
    const std::string target = folder.File("full.bin");
    std::filesystem::create_symlink("/dev/full", target);
    EXPECT_THROW(ExtractEntry(folder.File("a.rfa"), EntryOf(image, 0, "small"), target), cl::EWriteError);
    EXPECT_FALSE(std::filesystem::is_symlink(target));
#endif
}

TEST(Extraction, MissingArchiveRaisesOpenErrorAndCreatesNothing) {
    TTempFolder folder;
    EXPECT_THROW(ExtractEntry(folder.File("missing.rfa"), TRFAFile{}, folder.File("out")), cl::EFOpenError);
    EXPECT_FALSE(FileExists(folder.File("out")));
}

}  // namespace
}  // namespace quillon::test
