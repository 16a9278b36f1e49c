// The facts the shell utilities gather at start-up.

#include <gtest/gtest.h>

#include "controls/shell/MwShellUtils.h"
#include "controls/shell/ShellControlsSetup.h"

namespace {

TEST(ShellFacts, AreReadAtStartUp) {
    EXPECT_EQ(mw::OSVersion().dwOSVersionInfoSize, sizeof(OSVERSIONINFOA));
    EXPECT_EQ(mw::IsWinNT(), mw::OSVersion().dwPlatformId == VER_PLATFORM_WIN32_NT);
    EXPECT_TRUE(mw::ComCtlVersion().AtLeast(4, 70)) << std::hex << mw::ComCtlVersion().ms;
    EXPECT_NE(mw::GetShellMalloc(), nullptr);
    EXPECT_EQ(mw::ShellIdListClipboardFormat(), RegisterClipboardFormatA("Shell IDList Array"));

    mw::TFileVersion version{1, 2};
    EXPECT_FALSE(mw::GetFileVersion("no such file.dll", version));
}

TEST(ShellFacts, VersionComparison) {
    const mw::TFileVersion v471{0x00040047, 0};
    EXPECT_TRUE(v471.AtLeast(4, 71));
    EXPECT_TRUE(v471.AtLeast(4, 70));
    EXPECT_FALSE(v471.AtLeast(4, 72));
    EXPECT_FALSE(v471.AtLeast(5, 0));
    EXPECT_FALSE(mw::TFileVersion{}.AtLeast(4, 71));
}

}  // namespace
