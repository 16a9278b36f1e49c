#include "utils/UtFilePresence.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::ScratchFolder;

TEST(FileSizeOrMinusOne, SizeOfTheFirstMatch) {
    ScratchFolder root;
    ut_test::WriteTextFile(root / "empty.txt", "");
    ut_test::WriteTextFile(root / "five.dat", "12345");
    ut_test::MakeFolder(root / "folder");

    struct Case {
        const char* relative;
        int64_t size;
    };
    for (const Case& c : {Case{"empty.txt", 0}, Case{"five.dat", 5}, Case{"*.dat", 5}, Case{"folder", 0},
                          Case{"missing.txt", -1}, Case{"*.none", -1}, Case{"missing\\*.*", -1}}) {
        EXPECT_EQ(ut::FileSizeOrMinusOne(root / c.relative), c.size) << c.relative;
        EXPECT_EQ(ut::FileIsPresent(root / c.relative), c.size != -1) << c.relative;
    }
}

TEST(FileSizeOrMinusOne, SizesBeyond32BitsAreNotMistakenForAbsence) {
    ScratchFolder root;
    const std::string path = root / "big.bin";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    // Sparse on the host: no 4 GiB are written.
    LARGE_INTEGER size;
    size.QuadPart = 0xFFFFFFFFLL;
    const bool sized = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    if (!sized) GTEST_SKIP() << "no room for a 4 GiB file";

    EXPECT_EQ(ut::FileSizeOrMinusOne(path), 0xFFFFFFFFLL);
    EXPECT_TRUE(ut::FileIsPresent(path));
}

TEST(FileSizeOrMinusOne, RestoresTheErrorMode) {
    const UINT before = SetErrorMode(0);
    ut::FileSizeOrMinusOne("C:\\");
    EXPECT_EQ(SetErrorMode(before), 0u);
}

}  // namespace
