#include "utils/UtModuleInfo.h"

#include <gtest/gtest.h>

#include <string>

#include "utils/UtPathSeparators.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::ScratchFolder;

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    return wide;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           lstrcmpiA(text.c_str() + text.size() - tail.size(), tail.c_str()) == 0;
}

TEST(ModuleFilePath, OfTheRunningProgram) {
    const std::string path = ut::ModuleFilePath(nullptr);
    EXPECT_TRUE(EndsWithNoCase(path, "\\utils_tests.exe")) << path;
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
}

TEST(ModuleFilePath, LongerThanMaxPathIsNotCut) {
    const std::string probe =
        ut::FolderPartOfPath(ut::ModuleFilePath(nullptr)) + "ut_module_probe.dll";
    ScratchFolder root;
    // Only the wide functions with "\\?\" reach below MAX_PATH.
    std::string folder = root.Path();
    while (folder.size() <= MAX_PATH) {
        folder += "\\a_folder_with_a_long_name";
        ASSERT_TRUE(CreateDirectoryW(Wide("\\\\?\\" + folder).c_str(), nullptr)) << folder;
    }
    const std::string copy = folder + "\\ut_module_probe.dll";
    ASSERT_TRUE(CopyFileW(Wide(probe).c_str(), Wide("\\\\?\\" + copy).c_str(), TRUE)) << probe;
    HMODULE module = LoadLibraryW(Wide("\\\\?\\" + copy).c_str());
    ASSERT_NE(module, nullptr);
    const std::string path = ut::ModuleFilePath(module);
    FreeLibrary(module);
    EXPECT_TRUE(EndsWithNoCase(path, copy)) << path;
    // The scratch folder's clean-up cannot reach that deep with 8-bit paths.
    DeleteFileW(Wide("\\\\?\\" + copy).c_str());
    while (folder != root.Path()) {
        RemoveDirectoryW(Wide("\\\\?\\" + folder).c_str());
        folder = ut::RemoveTrailingBackslash(ut::FolderPartOfPath(folder));
    }
}

TEST(ReadFixedVersionInfo, FromASystemLibrary) {
    char system[MAX_PATH + 1];
    ASSERT_NE(GetSystemDirectoryA(system, sizeof system), 0u);
    VS_FIXEDFILEINFO info = {};
    ASSERT_TRUE(ut::ReadFixedVersionInfo(std::string(system) + "\\kernel32.dll", info));
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
}

TEST(ReadFixedVersionInfo, FalseWithoutAVersionResource) {
    ScratchFolder root;
    ut_test::WriteTextFile(root / "plain.txt", "no resources here");
    for (const std::string& file : {ut::ModuleFilePath(nullptr), root / "plain.txt", root / "missing.dll"}) {
        VS_FIXEDFILEINFO info = {};
        EXPECT_FALSE(ut::ReadFixedVersionInfo(file, info)) << file;
    }
}

}  // namespace
