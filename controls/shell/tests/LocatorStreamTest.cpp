// The locator's "Pidl" record: what is written, what is read back, and damaged records.

#include <gtest/gtest.h>

#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "controls/shell/LocatorStream.h"
#include "controls/shell/tests/PidlBytes.h"

namespace {

using mw::TLocatorRecord;
using mw::TMwLocatorKind;

std::vector<uint8_t> Written(const TLocatorRecord& record) {
    cl::TMemoryStream stream;
    mw::WriteLocatorRecord(stream, record);
    return stream.Bytes();
}

TLocatorRecord Read(std::vector<uint8_t> bytes) {
    cl::TMemoryStream stream(std::move(bytes));
    return mw::ReadLocatorRecord(stream);
}

TEST(LocatorStream, SpecialFolderIsTwoBytes) {
    const std::vector<uint8_t> bytes = Written({TMwLocatorKind::lkSpecialFolder, 17, {}});
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 17}));
    const TLocatorRecord back = Read(bytes);
    EXPECT_EQ(back.kind, TMwLocatorKind::lkSpecialFolder);
    EXPECT_EQ(back.folderId, 17);
}

TEST(LocatorStream, ListIsKindSizeAndBytes) {
    const std::vector<uint8_t> pidl = test::MakePidl({{'x', 'y'}});
    const std::vector<uint8_t> bytes = Written({TMwLocatorKind::lkIdList, mw::kNoSpecialFolder, pidl});
    std::vector<uint8_t> expected = {0, 6, 0, 0, 0};
    expected.insert(expected.end(), pidl.begin(), pidl.end());
    EXPECT_EQ(bytes, expected);
    const TLocatorRecord back = Read(bytes);
    EXPECT_EQ(back.kind, TMwLocatorKind::lkIdList);
    EXPECT_EQ(back.pidl, pidl);
}

TEST(LocatorStream, AnyNonZeroKindIsASpecialFolderAndSizeZeroIsTheDesktop) {
    EXPECT_EQ(Read({7, 5}).kind, TMwLocatorKind::lkSpecialFolder);
    const TLocatorRecord desktop = Read({0, 0, 0, 0, 0});
    EXPECT_EQ(desktop.kind, TMwLocatorKind::lkSpecialFolder);
    EXPECT_EQ(desktop.folderId, 0);
    EXPECT_TRUE(desktop.pidl.empty());
}

TEST(LocatorStream, DamagedRecordsRaiseReadErrors) {
    const std::vector<uint8_t> pidl = test::MakePidl({{'x'}});
    auto record = [&](uint32_t size, const std::vector<uint8_t>& body) {
        std::vector<uint8_t> bytes = {0, uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
        bytes.insert(bytes.end(), body.begin(), body.end());
        return bytes;
    };
    std::vector<uint8_t> unterminated = pidl;
    unterminated.back() = 7;
    const struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"nothing", {}},
        {"special folder without id", {1}},
        {"size cut off", {0, 5, 0}},
        {"size beyond the data", record(0xFFFFFFF0u, pidl)},
        {"fewer bytes than the size", record(uint32_t(pidl.size() + 1), pidl)},
        {"list longer than the size", record(uint32_t(pidl.size() - 2), pidl)},
        {"list without terminator", record(uint32_t(unterminated.size()), unterminated)},
        {"one byte", record(1, {0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(Read(c.bytes), cl::EReadError);
    }
}

}  // namespace
