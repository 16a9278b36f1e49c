// Reading the directory: the values of each entry, and one clear error for each kind of damage.

#include <gtest/gtest.h>

#include <functional>

#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFile.h"
#include "app/archive/RFAFormatError.h"
#include "app/archive/tests/TestFiles.h"
#include "classlib/core/Exception.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace quillon::test {
namespace {

using rfa_test::ArchiveImage;
using rfa_test::Field;
using rfa_test::TestEntry;

std::vector<TestEntry> ThreeEntries() {
    return {TestEntry::FromText("readme.txt", "top level"),
            TestEntry::FromText(std::string("levels/Wake/init.con\0junk", 25), "settings"),
            TestEntry::FromData("textures/grass.dds", Pattern(70000))};
}

TEST(Directory, ReadsEveryEntryWithItsValues) {
    const ArchiveImage image = rfa_test::BuildArchive(ThreeEntries());
    cl::TMemoryStream stream(image.Bytes);
    std::vector<std::pair<uint32_t, uint32_t>> progress;
    const TRFADirectory directory =
        ReadRFADirectory(stream, "three.rfa", [&](uint32_t i, uint32_t count) { progress.emplace_back(i, count); });

    EXPECT_EQ(directory.DirectoryOffset, image.DirectoryOffset);
    ASSERT_EQ(directory.Entries.size(), 3u);
    // The name ends at its first zero byte, whatever NameLength says.
    EXPECT_EQ(directory.Entries[1].Name, "levels/Wake/init.con");
    EXPECT_EQ(directory.Entries[0].Name, "readme.txt");
    const TRFADirectoryEntry& grass = directory.Entries[2];
    EXPECT_EQ(grass.Name, "textures/grass.dds");
    EXPECT_EQ(grass.Size, 70000u);
    EXPECT_EQ(grass.DataOffset, image.Entries[2].DataOffset);
    EXPECT_EQ(grass.ArchiveSize, image.DirectoryOffset - image.Entries[2].DataOffset);
    EXPECT_EQ(progress, (std::vector<std::pair<uint32_t, uint32_t>>{{0, 3}, {1, 3}, {2, 3}}));

    const TRFAFile file = MakeRFAFile(grass.Name, grass.ArchiveSize, directory.DirectoryOffset, grass.DataOffset, 2,
                                      grass.Size);
    EXPECT_EQ(file.FileName, "grass.dds");
    EXPECT_EQ(file.Index, 2u);
    EXPECT_EQ(file.SegmentCount, 0u);
    EXPECT_EQ(file.DirectoryOffset, image.DirectoryOffset);
    EXPECT_EQ(MakeRFAFile("readme.txt", 0, 0, 0, 0, 0).FileName, "readme.txt");
}

TEST(Directory, EmptyDirectoryHasNoEntries) {
    cl::TMemoryStream stream(rfa_test::BuildArchive({}).Bytes);
    EXPECT_TRUE(ReadRFADirectory(stream, "empty.rfa").Entries.empty());
}

struct DamageCase {
    const char* name;
    std::function<void(ArchiveImage&)> damage;
    const char* problem;  // part of the message
};

std::vector<DamageCase> DamageCases() {
    return {
        {"a file too short for the directory offset", [](ArchiveImage& a) { a.Bytes.resize(3); },
         "too short to hold a directory offset"},
        {"a directory offset past the end", [](ArchiveImage& a) { a.Set(Field::DirectoryOffset, 0x7FFFFFF0); },
         "directory offset 2147483632 lies beyond its end"},
        {"a directory offset leaving no room for the count",
         [](ArchiveImage& a) { a.Set(Field::DirectoryOffset, uint32_t(a.Bytes.size() - 2)); }, "lies beyond its end"},
        {"an entry count the file cannot hold", [](ArchiveImage& a) { a.Set(Field::EntryCount, 0xFFFFFFFF); },
         "claims 4294967295 entries"},
        {"a name longer than 512 bytes", [](ArchiveImage& a) { a.Set(Field::NameLength, 513, 1); },
         "entry 1 has a name length of 513 bytes (at most 512)"},
        {"a name running past the end", [](ArchiveImage& a) { a.Set(Field::NameLength, 500, 2); },
         "entry 2 is cut off by the end of the file"},
        {"the last entry cut short", [](ArchiveImage& a) { a.Bytes.resize(a.Bytes.size() - 5); },
         "entry 2 is cut off by the end of the file"},
        {"a data offset past the end", [](ArchiveImage& a) { a.Set(Field::DataOffset, 0x10000000, 0); },
         "entry 0 (\"readme.txt\") has its data at offset 268435456, beyond the end of the file"},
    };
}

TEST(Directory, DamageRaisesOneErrorNamingArchiveAndFault) {
    for (const DamageCase& c : DamageCases()) {
        SCOPED_TRACE(c.name);
        ArchiveImage image = rfa_test::BuildArchive(ThreeEntries());
        c.damage(image);
        cl::TMemoryStream stream(image.Bytes);
        try {
            ReadRFADirectory(stream, "C:\\Games\\broken.rfa");
            ADD_FAILURE() << "no error raised";
        } catch (const ERFAFormatError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("The archive \"C:\\Games\\broken.rfa\" is damaged: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        }
    }
}

TEST(Directory, MissingFileRaisesOpenError) {
    TTempFolder folder;
    EXPECT_THROW(ReadRFADirectory(folder.File("missing.rfa")), cl::EFOpenError);
}

}  // namespace
}  // namespace quillon::test
