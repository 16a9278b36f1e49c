// Hand-made segments for each token form and the edge cases of the format, decoded through the
// whole extraction path; and damaged segments, each rejected with its own status.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/archive/BlockWriter.h"
#include "app/archive/EntryDecoder.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFormatError.h"
#include "app/archive/SegmentDecoder.h"
#include "app/archive/tests/StreamBuilder.h"
#include "app/archive/tests/TestFiles.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::test {
namespace {

using rfa_test::TestEntry;
using rfa_test::TestSegment;

struct StreamCase {
    const char* name;
    std::vector<TestSegment> segments;
    Bytes expected;
};

Bytes Slice(const Bytes& bytes, size_t from, size_t count) { return Bytes(bytes.begin() + from, bytes.begin() + from + count); }

constexpr size_t kBlock = TEntryDecoder::kBlockSize;

// size pattern literals (from pattern position start) as segments of 32 KiB.
std::vector<TestSegment> LiteralSegments(size_t size, size_t start = 0) {
    std::vector<TestSegment> segments;
    for (size_t at = 0; at < size; at += 32768) {
        const size_t n = std::min<size_t>(32768, size - at);
        segments.push_back({LiteralSegment(n, start + at), uint32_t(n)});
    }
    return segments;
}

// One segment of a whole block: a literal "Q", 3 bytes from 49,151 back, then a run of the
// last byte. Its output follows earlier output `before`; returns the segment and appends its
// output to `before`.
TestSegment FarMatchBlock(Bytes& before) {
    const size_t runLength = kBlock - 4;  // 33 + 255 * zeros + last byte, as token 32 counts
    Bytes run = {32};
    run.insert(run.end(), (runLength - 33) / 255, 0);
    run.push_back(uint8_t((runLength - 33) % 255));
    run.insert(run.end(), {0, 0});  // distance 1
    before.push_back('Q');
    for (int i = 0; i < 3; ++i) before.push_back(before.size() >= 49151 ? before[before.size() - 49151] : 0);
    before.insert(before.end(), runLength, before.back());
    return {Cat({FirstRun(1), Text("Q"), {25, 252, 255}, run, kEndMarker}), uint32_t(kBlock)};
}

std::vector<TestSegment> Join(std::initializer_list<std::vector<TestSegment>> parts) {
    std::vector<TestSegment> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A literal run after nearly every token, so many that the decoder takes them another way, and
// after the last run a 0..15 token, which reads as the form that follows runs. Matches before
// and after keep all of it away from the segment's ends.
StreamCase RunsAfterMostTokens() {
    Bytes compressed = Cat({FirstRun(3000), Pattern(3000)});
    Bytes expected = Pattern(3000);
    const auto copyBack = [&](size_t dist, size_t len) {
        for (size_t i = 0; i < len; ++i) expected.push_back(expected[expected.size() - dist]);
    };
    const auto match = [&] {  // 4 bytes from 8 back, no literals
        compressed.insert(compressed.end(), {124, 0});
        copyBack(8, 4);
    };
    for (int i = 0; i < 40; ++i) match();
    for (int i = 0; i < 40; ++i) {
        match();
        compressed.insert(compressed.end(), {uint8_t(1 + i % 4)});  // i % 4 + 4 literals
        for (int k = 0; k < 4 + i % 4; ++k) {
            compressed.push_back(uint8_t('a' + (i + k) % 26));
            expected.push_back(uint8_t('a' + (i + k) % 26));
        }
    }
    compressed.insert(compressed.end(), {0, 0});  // 3 bytes from 2,049 back
    copyBack(2049, 3);
    for (int i = 0; i < 40; ++i) match();
    compressed.insert(compressed.end(), kEndMarker.begin(), kEndMarker.end());
    const auto size = uint32_t(expected.size());
    return {"a literal run after most tokens, then a 0..15 match after a run", {{compressed, size}}, expected};
}

// Matches of 3..33 bytes from 1..31 back, so that most overlap what they copy, each length in
// the one-distance-byte form where it fits and in the two-byte form, amid the stream where the
// decoder takes them by its quicker path.
StreamCase ShortDistancesAmidTheStream() {
    Bytes compressed = Cat({FirstRun(100), Pattern(100)});
    Bytes expected = Pattern(100);
    const auto match = [&](size_t dist, size_t len, bool twoBytes) {
        const size_t d = dist - 1;
        if (twoBytes)
            compressed.insert(compressed.end(), {uint8_t(32 + len - 2), uint8_t((d & 63) << 2), uint8_t(d >> 6)});
        else
            compressed.insert(compressed.end(), {uint8_t(((len - 1) << 5) | ((d & 7) << 2)), uint8_t(d >> 3)});
        for (size_t i = 0; i < len; ++i) expected.push_back(expected[expected.size() - dist]);
    };
    for (int i = 0; i < 40; ++i) match(8, 4, false);
    for (size_t dist : {1, 2, 5, 7, 8, 9, 13, 16, 17, 24, 31}) {
        for (size_t len : {3, 5, 8, 9, 12, 17, 20, 32, 33}) {
            if (len <= 8) match(dist, len, false);
            match(dist, len, true);
            match(100, 4, false);  // breaks the period before the next one
        }
    }
    for (int i = 0; i < 40; ++i) match(8, 4, false);
    compressed.insert(compressed.end(), kEndMarker.begin(), kEndMarker.end());
    const auto size = uint32_t(expected.size());
    return {"matches 3..33 bytes long from 1..31 back amid the stream", {{compressed, size}}, expected};
}

std::vector<StreamCase> StreamCases() {
    const Bytes p16400 = Pattern(16400);
    const Bytes p40000 = Pattern(40000);
    const Bytes p2100 = Pattern(2100);
    const Bytes p300 = Pattern(300);
    const Bytes p49151 = Pattern(49151);
    const Bytes pBlock = Pattern(kBlock);
    // Output blocks: a full one, one of 1,000 bytes (the next segment does not fit beside
    // them), then the far match, whose history lies in both.
    Bytes overShortBlock = Pattern(kBlock + 1000);
    const TestSegment farMatch = FarMatchBlock(overShortBlock);
    return {
        {"no segments: an empty entry", {}, {}},
        {"first byte 0 with two zero bytes and 5: 18 + 510 + 5 literals",
         {{Cat({{0, 0, 0, 5}, Pattern(533), kEndMarker}), 533}}, Pattern(533)},
        {"first byte 18..255: byte - 17 literals", {{Cat({{21}, Text("abcd"), kEndMarker}), 4}}, Text("abcd")},
        {"first byte 1..15: byte + 3 literals", {{Cat({{1}, Text("wxyz"), kEndMarker}), 4}}, Text("wxyz")},
        {"first byte 17 with two zero bytes: an empty segment", {{kEndMarker, 0}}, {}},
        {"0..15 after 1..3 literals: 2 bytes from up to 1,024 back",
         {{Cat({{19}, Text("ab"), {4, 0}, kEndMarker}), 4}}, Text("abab")},
        {"0..15 after 4 or more literals: 3 bytes from 2,049..3,072 back",
         {{Cat({{0, 0, 0, 0, 0, 0, 0, 0, 0, 42}, p2100, {0, 0}, kEndMarker}), 2103}},
         Cat({p2100, Slice(p2100, 51, 3)})},
        {"0..15 after exactly 4 literals: the 3-byte form",
         {{LiteralSegment(2100), 2100}, {Cat({{21}, Text("wxyz"), {0, 0}, kEndMarker}), 7}},
         Cat({p2100, Text("wxyz"), Slice(p2100, 55, 3)})},
        {"64..255: length (t >> 5) + 1, distance from 3 token bits and a byte",
         {{Cat({{25}, Text("abcdefgh"), {124, 0}, kEndMarker}), 12}}, Text("abcdefghabcd")},
        {"64..255 with 2 literals in its low bits",
         {{Cat({{25}, Text("abcdefgh"), {126, 0}, Text("XY"), kEndMarker}), 14}}, Text("abcdefghabcdXY")},
        {"32..63: distance 1 and length 20 after one literal repeats it",
         {{Cat({{18}, Text("x"), {50, 0, 0}, kEndMarker}), 21}}, Bytes(21, 'x')},
        {"32 with a length extension and a 2-byte distance",
         {{Cat({{0, 0, 27}, p300, {32, 0, 2}, {172, 4}, kEndMarker}), 590}}, Cat({p300, Slice(p300, 0, 290)})},
        {"16..23: distance 16,384 + the distance bits",
         {{Cat({FirstRun(16400), p16400, {17, 24, 0}, kEndMarker}), 16403}}, Cat({p16400, Slice(p16400, 10, 3)})},
        {"16..23 with zero distance bits other than 17, 0, 0: a match 16,384 back",
         {{Cat({FirstRun(16400), p16400, {18, 0, 0}, kEndMarker}), 16404}}, Cat({p16400, Slice(p16400, 16, 4)})},
        {"16 with a length extension: 9 + 255 * zero bytes + the next byte",
         {{Cat({FirstRun(16400), p16400, {16, 0, 5, 40, 0}, kEndMarker}), 16669}},
         Cat({p16400, Slice(p16400, 6, 269)})},
        {"24..31: distances 32,768..49,151 as published",
         {{Cat({FirstRun(40000), p40000, {25, 96, 97}, kEndMarker}), 40003}}, Cat({p40000, Slice(p40000, 1000, 3)})},
        {"after a match, low bits 0 and a byte 1..15: byte + 3 literals",
         {{Cat({{25}, Text("abcdefgh"), {124, 0}, {2}, Text("VWXYZ"), kEndMarker}), 17}}, Text("abcdefghabcdVWXYZ")},
        {"after a match, low bits 0 and a zero byte: 18 + extension literals",
         {{Cat({{25}, Text("abcdefgh"), {124, 0}, {0, 0, 3}, Pattern(276), kEndMarker}), 288}},
         Cat({Text("abcdefghabcd"), Pattern(276)})},
        {"several segments, an empty one among them, decode to their concatenation",
         {{Cat({{25}, Text("abcdefgh"), kEndMarker}), 8}, {kEndMarker, 0}, {Cat({{21}, Text("ijkl"), kEndMarker}), 4}},
         Text("abcdefghijkl")},
        {"a match reaching into the previous segment",
         {{Cat({{25}, Text("abcdefgh"), kEndMarker}), 8}, {Cat({{18}, Text("Z"), {96, 1}, kEndMarker}), 5}},
         Text("abcdefghZabcd")},
        {"first byte 16: a match straight into the previous segment",
         {{LiteralSegment(16400), 16400}, {Cat({{16, 3, 24, 0}, kEndMarker}), 12}}, Cat({p16400, Slice(p16400, 10, 12)})},
        {"the farthest distance, 49,151, across segments",
         {{LiteralSegment(30000), 30000}, {Cat({FirstRun(19151), Pattern(19151, 30000), {25, 252, 255}, kEndMarker}), 19154}},
         Cat({p49151, Slice(p49151, 0, 3)})},
        {"the farthest distance across the start of an output block",
         Join({LiteralSegments(kBlock), {{Cat({FirstRun(1), Text("Q"), {25, 252, 255}, kEndMarker}), 4}}}),
         Cat({pBlock, Text("Q"), Slice(pBlock, kBlock + 1 - 49151, 3)})},
        {"a match across a short output block into the one before it",
         Join({LiteralSegments(kBlock), LiteralSegments(1000, kBlock), {farMatch}}), overShortBlock},
        RunsAfterMostTokens(),
        ShortDistancesAmidTheStream(),
    };
}

TEST(SegmentStreams, DecodeAsTheFormatSays) {
    TTempFolder folder;
    const std::string archive = folder.File("streams.rfa");
    const std::string target = folder.File("entry.bin");
    for (const StreamCase& c : StreamCases()) {
        SCOPED_TRACE(c.name);
        rfa_test::WriteArchive(archive, {TestEntry::FromSegments("data/entry.bin", c.segments)});
        const TRFADirectory directory = ReadRFADirectory(archive);
        const TRFADirectoryEntry& record = directory.Entries.at(0);
        const TRFAFile file = MakeRFAFile(record.Name, record.ArchiveSize, directory.DirectoryOffset,
                                          record.DataOffset, 0, record.Size);
        EXPECT_EQ(ExtractEntry(archive, file, target), c.segments.size());
        EXPECT_EQ(ReadWholeFile(target), c.expected);
    }
}

struct BadSegmentCase {
    const char* name;
    Bytes compressed;
    size_t uncompressedSize;
    SegmentStatus expected;
};

Bytes Repeat(const Bytes& bytes, size_t times) {
    Bytes all;
    for (size_t i = 0; i < times; ++i) all.insert(all.end(), bytes.begin(), bytes.end());
    return all;
}

std::vector<BadSegmentCase> BadSegmentCases() {
    const Bytes eight = Text("abcdefgh");
    // Away from both ends of a segment the decoder takes tokens by a quicker path: each far
    // match below sits between 40 sound 4-byte matches (from 8 back) on either side.
    const Bytes matches = Repeat({124, 0}, 40);
    const auto amid = [&](const Bytes& token) { return Cat({FirstRun(100), Pattern(100), matches, token, matches, kEndMarker}); };
    return {
        {"no bytes at all", {}, 0, SegmentStatus::InputOverrun},
        {"a first literal run longer than the input", Cat({{25}, Text("ab")}), 8, SegmentStatus::InputOverrun},
        {"no end marker", Cat({{21}, Text("abcd")}), 4, SegmentStatus::InputOverrun},
        {"an end marker cut short", Cat({{21}, Text("abcd"), {17, 0}}), 4, SegmentStatus::InputOverrun},
        {"a length extension running off the end", {0, 0, 0, 0}, 1000, SegmentStatus::InputOverrun},
        {"a 32..63 token without its distance bytes", Cat({{21}, Text("abcd"), {50, 0}}), 30,
         SegmentStatus::InputOverrun},
        {"trailing literals cut short", Cat({{25}, eight, {127, 0}, Text("X")}), 15, SegmentStatus::InputOverrun},
        {"more output than the stated size", Cat({{25}, eight, kEndMarker}), 4, SegmentStatus::OutputOverrun},
        {"a match past the stated size", Cat({{25}, eight, {124, 0}, kEndMarker}), 10, SegmentStatus::OutputOverrun},
        {"trailing literals past the stated size", Cat({{25}, eight, {127, 0}, Text("XYZ"), kEndMarker}), 13,
         SegmentStatus::OutputOverrun},
        {"a literal length extension past the stated size", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}, 100,
         SegmentStatus::OutputOverrun},
        {"less output than the stated size", Cat({{25}, eight, kEndMarker}), 9, SegmentStatus::OutputUnderrun},
        {"a match before the start of the output", Cat({{18}, Text("x"), {124, 0}, kEndMarker}), 5,
         SegmentStatus::DistanceTooFar},
        {"a short match before the start of the output", Cat({{19}, Text("ab"), {4, 1}, kEndMarker}), 4,
         SegmentStatus::DistanceTooFar},
        {"a match starting one byte before the output", Cat({{19}, Text("ab"), {8, 0}, kEndMarker}), 4,
         SegmentStatus::DistanceTooFar},
        {"a first byte 17 starting a match with nothing before it", Cat({{17, 4, 0}, kEndMarker}), 3, SegmentStatus::DistanceTooFar},
        {"amid the segment, a 64..255 match before the start of the output", amid({124, 200}), 424,
         SegmentStatus::DistanceTooFar},
        {"amid the segment, a 33..63 match before the start of the output", amid({34, 0, 100}), 424,
         SegmentStatus::DistanceTooFar},
        {"amid the segment, a 0..15 match after 1..3 literals before the start of the output",
         amid({125, 0, 'x', 4, 255}), 427, SegmentStatus::DistanceTooFar},
        {"amid the segment, a 0..15 match after a run before the start of the output",
         amid({1, 'w', 'x', 'y', 'z', 0, 0}), 427, SegmentStatus::DistanceTooFar},
        {"amid the segment, a 16..31 match before the start of the output", amid({18, 0, 0}), 424,
         SegmentStatus::DistanceTooFar},
        {"amid the segment, a 32 with one length byte before the start of the output", amid({32, 1, 0, 100}), 454,
         SegmentStatus::DistanceTooFar},
        {"amid the segment, a 24 with one length byte before the start of the output", amid({24, 1, 0, 0}), 430,
         SegmentStatus::DistanceTooFar},
        {"amid the segment, a match with one length byte past the stated size", amid({32, 255, 4, 0}), 424,
         SegmentStatus::OutputOverrun},
    };
}

// Decodes with no earlier output, in buffers no larger than the decoder may touch.
SegmentStatus DecodeAlone(const Bytes& compressed, size_t uncompressedSize) {
    Bytes in(compressed.size() + kSegmentInputPadding, 0xEE);
    if (!compressed.empty()) std::memcpy(in.data(), compressed.data(), compressed.size());
    Bytes out(uncompressedSize + kSegmentOutputSlack);
    return DecodeSegment(in.data(), compressed.size(), out.data(), uncompressedSize, 0);
}

TEST(SegmentStreams, DamagedSegmentsAreRejected) {
    for (const BadSegmentCase& c : BadSegmentCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeAlone(c.compressed, c.uncompressedSize), c.expected);
    }
}

TEST(SegmentStreams, DamagedSegmentFailsExtractionAndLeavesNoFile) {
    TTempFolder folder;
    const std::string archive = folder.File("bad.rfa");
    const std::string target = folder.File("out.bin");
    for (const BadSegmentCase& c : BadSegmentCases()) {
        SCOPED_TRACE(c.name);
        rfa_test::WriteArchive(archive, {TestEntry::FromSegments(
                                            "maps/level.con", {{c.compressed, uint32_t(c.uncompressedSize)}})});
        const TRFADirectory directory = ReadRFADirectory(archive);
        const TRFAFile file = MakeRFAFile("maps/level.con", 0, directory.DirectoryOffset,
                                          directory.Entries.at(0).DataOffset, 0, directory.Entries.at(0).Size);
        try {
            ExtractEntry(archive, file, target);
            ADD_FAILURE() << "no error raised";
        } catch (const ERFAFormatError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(archive), std::string::npos) << message;
            EXPECT_NE(message.find("entry \"level.con\", segment 1 of 1: it is corrupt: "), std::string::npos)
                << message;
            EXPECT_NE(message.find(DescribeSegmentStatus(c.expected)), std::string::npos) << message;
        }
        EXPECT_FALSE(FileExists(target));
    }
}

TEST(SegmentStreams, AMatchReachingBackIsCheckedAcrossBlocks) {
    // The far match starts a new output block and reaches 49,151 bytes back. A block decoded
    // on its own that needs the output before it waits for the blocks before; when one of
    // those is damaged, that damage is what is reported.
    Bytes shortOutput = Pattern(1000);
    const TestSegment tooFar = FarMatchBlock(shortOutput);
    Bytes fullOutput = Pattern(kBlock);
    const TestSegment farMatch = FarMatchBlock(fullOutput);
    std::vector<TestSegment> damagedBefore = LiteralSegments(kBlock);
    damagedBefore[3].UncompressedSize += 1;
    const struct {
        const char* name;
        std::vector<TestSegment> segments;
        std::string problem;
    } cases[] = {
        {"reaching before the entry", Join({LiteralSegments(1000), {tooFar}}),
         "segment 2 of 2: it is corrupt: " + std::string(DescribeSegmentStatus(SegmentStatus::DistanceTooFar))},
        {"into a damaged block", Join({damagedBefore, {farMatch}}),
         "segment 4 of 33: it is corrupt: " + std::string(DescribeSegmentStatus(SegmentStatus::OutputUnderrun))},
    };
    TTempFolder folder;
    const std::string archive = folder.File("far.rfa");
    const std::string target = folder.File("far.bin");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rfa_test::WriteArchive(archive, {TestEntry::FromSegments("maps/far.bin", c.segments)});
        const TRFADirectory directory = ReadRFADirectory(archive);
        const TRFAFile file =
            MakeRFAFile("maps/far.bin", 0, directory.DirectoryOffset, directory.Entries.at(0).DataOffset, 0,
                        directory.Entries.at(0).Size);
        try {
            ExtractEntry(archive, file, target);
            ADD_FAILURE() << "no error raised";
        } catch (const ERFAFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
        }
        EXPECT_FALSE(FileExists(target));
    }
}

TEST(SegmentStreams, OutputPastTheAnnouncedSizeStillGoesOutInWholeBlocks) {
    // Callers announce the output of the first part of a long segment table only; the output
    // after that must not fall apart into one write per segment.
    struct TWriteSizes : cl::TStream {
        std::vector<size_t> Sizes;
        size_t Read(void*, size_t) override { return 0; }
        size_t Write(const void*, size_t count) override {
            Sizes.push_back(count);
            return count;
        }
        int64_t Seek(int64_t, cl::SeekOrigin) override { return 0; }
    } target;
    const std::vector<TestSegment> segments = LiteralSegments(4 * kBlock);
    {
        TBlockWriter writer([&]() -> cl::TStream& { return target; });
        TEntryDecoder decoder(writer);
        decoder.ExpectOutput(2 * kBlock);
        for (const TestSegment& segment : segments)
            ASSERT_FALSE(decoder.AddSegment(segment.Compressed.data(), segment.Compressed.size(), segment.UncompressedSize));
        ASSERT_FALSE(decoder.Finish());
    }
    EXPECT_EQ(target.Sizes, std::vector<size_t>(4, kBlock));
}

}  // namespace
}  // namespace quillon::test
