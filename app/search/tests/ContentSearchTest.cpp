#include <gtest/gtest.h>

#include "app/archive/RFAFormatError.h"
#include "app/search/ContentSearch.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon {
namespace {

using rfa_test::TestEntry;

TEST(ContentSearch, SkipsAddedFilesAndTheBinaryKinds) {
    const struct {
        const char* entry;
        bool searched;
    } cases[] = {
        {"objects/tiger.con", true},   {"menu/logo.DDS", false},     {"menu/logo.dds", false},
        {"sound/shot.wav", false},     {"anim/run.baf", false},      {"mesh/tank.sm", false},
        {"menu/back.Tga", false},      {"mesh/tank.skn", true},      {"menu/*added.con", false},
        {"menu/*added.dds", false},    {"readme", true},             {"odd.dds/inner.txt", true},
        {"sound/shot.wav.txt", true},  {"sound/wav", true},          {"odd*/inner.con", true},
        {"*added.con", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsContentSearchable(c.entry), c.searched) << c.entry;
}

std::vector<uint8_t> Filler(size_t size) {
    std::vector<uint8_t> bytes(size);
    uint32_t state = 99;
    for (uint8_t& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>('a' + (state >> 16) % 19);  // letters a..s: never "tiger" by chance
    }
    return bytes;
}

// A text entry with "Tiger" placed at the given offset of filler.
TestEntry WithTermAt(const std::string& name, size_t size, size_t at) {
    std::vector<uint8_t> data = Filler(size);
    const std::string term = "Tiger";
    std::copy(term.begin(), term.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
    return TestEntry::FromData(name, data);
}

TEST(ContentSearch, SearchesTheWholeDecodedEntry) {
    const size_t kBig = (size_t(3) << 20) + 5;  // several output blocks, written on the decoder's second thread
    std::vector<uint8_t> zeros = {'x', 0, 0, 'y'};
    zeros.insert(zeros.end(), {'t', 'I', 'G', 'E', 'R'});
    const std::vector<TestEntry> entries = {
        WithTermAt("a/start.con", 100, 0),
        WithTermAt("a/across-segments.con", 3000, 1022),  // the writer cuts at 1024 bytes
        WithTermAt("a/end-of-big.con", kBig, kBig - 5),
        TestEntry::FromData("a/after-zeros.con", zeros),
        TestEntry::FromData("a/none.con", Filler(5000)),
        TestEntry::FromData("a/empty.con", {}),
    };
    rfa_test::WriterOptions options;
    options.SegmentSize = 1024;
    const rfa_test::ArchiveImage image = rfa_test::BuildArchive(entries, options);
    const struct {
        bool found;
        uint32_t segments;
    } expected[] = {{true, 1}, {true, 3}, {true, uint32_t((kBig + 1023) / 1024)}, {true, 1}, {false, 5}, {false, 0}};

    // Each entry with fresh decoder buffers, and with one set handed from entry to entry as the
    // main window's search does: what one entry leaves in them must not change the next's answer.
    TDecodeBuffers kept;
    for (TDecodeBuffers* reuse : {static_cast<TDecodeBuffers*>(nullptr), &kept}) {
        SCOPED_TRACE(reuse ? "buffers kept between entries" : "fresh buffers");
        cl::TMemoryStream stream(image.Bytes);
        TArchiveInput archive(stream, "test.rfa");
        for (size_t i = 0; i < entries.size(); ++i) {
            const TRFAFile entry = MakeRFAFile(entries[i].Name, 0, image.DirectoryOffset,
                                               image.Entries[i].DataOffset, static_cast<uint32_t>(i),
                                               image.Get(rfa_test::Field::Size, i));
            const TContentMatch match = SearchEntryContents(archive, entry, "tiger", nullptr, reuse);
            EXPECT_EQ(match.Found, expected[i].found) << entries[i].Name;
            EXPECT_EQ(match.SegmentCount, expected[i].segments) << entries[i].Name;
        }
    }
}

TEST(ContentSearch, ADamagedEntryRaisesAsExtractionDoes) {
    rfa_test::ArchiveImage image = rfa_test::BuildArchive({TestEntry::FromText("a/b.con", "some text")});
    image.Set(rfa_test::Field::SegmentOffset, 0x7FFFFFF0);
    cl::TMemoryStream stream(image.Bytes);
    TArchiveInput archive(stream, "test.rfa");
    const TRFAFile entry = MakeRFAFile("a/b.con", 0, image.DirectoryOffset, image.Entries[0].DataOffset, 0,
                                       image.Get(rfa_test::Field::Size));
    EXPECT_THROW(SearchEntryContents(archive, entry, "text"), ERFAFormatError);
}

}  // namespace
}  // namespace quillon
