// Positional formatting with the system's formatter, and reading shortcuts.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellShortcut.h"
#include "controls/shell/ShellText.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "dragdrop/AnsiText.h"
#include "dragdrop/ComPtr.h"
#include "utils/tests/ScratchFolder.h"

namespace {

TEST(FormatStrPos, InsertsByPosition) {
    const std::vector<std::string> two = {"one", "two"};
    EXPECT_EQ(mw::FormatStrPos("%2 before %1", two), "two before one");
    EXPECT_EQ(mw::FormatStrPos("", two), "");
    EXPECT_EQ(mw::FormatStrPos("no inserts", {}), "no inserts");
    // An insert beyond the strings given reads as empty text rather than past them.
    EXPECT_EQ(mw::FormatStrPos("%1-%3-%99", two), "one--");

    EXPECT_EQ(mw::FormatStrPos("%50", std::vector<std::string>(50, "x")), "x");
    try {
        mw::FormatStrPos("%1", std::vector<std::string>(51, "x"));
        ADD_FAILURE() << "no exception";
    } catch (const cl::Exception& e) {
        EXPECT_STREQ(e.what(), "FormatStrPos: Too many substitution strings");
    }
}

TEST(SysErrorMessage, HasNoTrailingLineBreak) {
    const std::string text = mw::SysErrorMessage(ERROR_ALREADY_EXISTS);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
}

void SaveShortcut(const std::string& file, const std::string& target, const std::string& folder) {
    dragdrop::TComPtr<IShellLinkA> link;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(mw::kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, mw::kIidShellLinkA,
                                              reinterpret_cast<void**>(link.Receive())));
    link->SetPath(target.c_str());
    link->SetArguments("-x 1");
    link->SetDescription("A test shortcut");
    link->SetIconLocation(target.c_str(), 2);
    link->SetWorkingDirectory(folder.c_str());
    link->SetHotkey(MAKEWORD('Q', HOTKEYF_CONTROL));
    dragdrop::TComPtr<IPersistFile> persist;
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(mw::kIidPersistFile, reinterpret_cast<void**>(persist.Receive())));
    std::u16string wide = dragdrop::AnsiToWide(file);
    wide.push_back(u'\0');
    ASSERT_HRESULT_SUCCEEDED(persist->Save(reinterpret_cast<LPCOLESTR>(wide.c_str()), TRUE));
}

TEST(ReadShortcut, ReadsEveryField) {
    ut_test::ScratchFolder scratch;
    const std::string target = scratch / "target.txt";
    ut_test::WriteTextFile(target, "target");
    const std::string file = scratch / "target.lnk";
    SaveShortcut(file, target, scratch.Path());

    mw::TMwShortcutInfo info;
    info.resolveOption = mw::TMwResolveOption::Silent;
    ASSERT_HRESULT_SUCCEEDED(mw::ReadShortcut(file, info, true));
    EXPECT_TRUE(cl::SameText(info.targetPath, target)) << info.targetPath;
    EXPECT_EQ(info.validFields, mw::kShortcutAllFields);
    EXPECT_EQ(info.arguments, "-x 1");
    EXPECT_EQ(info.description, "A test shortcut");
    EXPECT_TRUE(cl::SameText(info.iconLocation, target)) << info.iconLocation;
    EXPECT_EQ(info.iconIndex, 2);
    EXPECT_TRUE(cl::SameText(info.workingFolder, scratch.Path())) << info.workingFolder;
    EXPECT_EQ(info.hotKey, MAKEWORD('Q', HOTKEYF_CONTROL));
    EXPECT_STREQ(info.findData.cFileName, "target.txt");
    ASSERT_TRUE(info.targetPidl);
    EXPECT_TRUE(cl::SameText(mw::PidlToPath(info.targetPidl.get()), target));

    mw::TMwShortcutInfo withoutPidl;
    withoutPidl.resolveOption = mw::TMwResolveOption::Silent;
    ASSERT_HRESULT_SUCCEEDED(mw::ReadShortcut(file, withoutPidl, false));
    EXPECT_FALSE(withoutPidl.targetPidl);
}

TEST(ReadShortcut, AFileThatCannotBeLoadedReadsNothing) {
    ut_test::ScratchFolder scratch;
    mw::TMwShortcutInfo info;
    EXPECT_HRESULT_FAILED(mw::ReadShortcut(scratch / "missing.lnk", info, true));
    EXPECT_EQ(info.validFields, 0u);
    EXPECT_EQ(info.targetPath, "");
}

}  // namespace
