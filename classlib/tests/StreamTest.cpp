#include <gtest/gtest.h>

#include <cstdio>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"

namespace {

TEST(Stream, ShortReadsRaiseStreamReadError) {
    cl::TMemoryStream stream(std::vector<uint8_t>{1, 2, 3});
    uint8_t buffer[4];
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL();
    } catch (const cl::EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    stream.SetPosition(0);
    EXPECT_THROW(stream.ReadUInt32LE(), cl::EReadError);
    EXPECT_THROW(stream.Seek(-1, cl::SeekOrigin::Beginning), cl::EStreamError);
}

TEST(Stream, FileStreamCreatesReadsAndSeeks) {
    const std::string path = ::testing::TempDir() + "stream.bin";
    {
        cl::TFileStream out(path, cl::FileMode::Create);
        out.WriteUInt32LE(0x11223344);
        out.WriteBuffer("abc", 3);
        EXPECT_EQ(out.Size(), 7);
    }
    {
        cl::TFileStream in(path, cl::FileMode::OpenRead);
        EXPECT_EQ(in.ReadUInt32LE(), 0x11223344u);
        in.Seek(-1, cl::SeekOrigin::End);
        char c = 0;
        in.ReadBuffer(&c, 1);
        EXPECT_EQ(c, 'c');
        EXPECT_EQ(in.Position(), 7);
    }
    ASSERT_EQ(std::remove(path.c_str()), 0);
    try {
        cl::TFileStream missing(path, cl::FileMode::OpenRead);
        FAIL();
    } catch (const cl::EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + path + "\""), std::string::npos);
    }
}

}  // namespace
