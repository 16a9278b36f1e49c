// What keeps the program's writes where they belong: names compared as the file system compares
// them, folders recognised however they are spelt, and an entry that replaces a file only once
// it is written whole.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/FileSystemNames.h"
#include "app/FolderIdentity.h"
#include "app/ReplacingExtraction.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFile.h"
#include "app/extraction/ExtractionTargets.h"
#include "app/tests/FormTestSupport.h"
#include "classlib/core/Stream.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "utils/UtFileUtils.h"

namespace {

using form_test::TempPath;

std::string ReadText(const std::string& path) {
    cl::TMemoryStream stream;
    stream.LoadFromFile(path);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

void WriteText(const std::string& path, const std::string& text) {
    cl::TFileStream(path, cl::FileMode::Create).WriteBuffer(text.data(), text.size());
}

std::vector<std::string> FolderFiles(const std::string& folder) {
    std::vector<std::string> names;
    ut::CollectFolderEntries(folder + "\\*", ut::kAnyFileAttributes, names);
    std::sort(names.begin(), names.end());
    return names;
}

// A name in the ANSI code page, as an archive made on this system would hold it.
std::string Ansi(const wchar_t* name) {
    char text[64] = "";
    WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

TEST(FileSystemNamesTest, NamesFoldAsTheSystemComparesThemAndAccentedSpellingsAreOneFile) {
    const quillon::TFileNameRules& rules = quillon::FileSystemNameRules();
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        const WCHAR unit = static_cast<WCHAR>(c);
        const WCHAR upper = static_cast<WCHAR>(rules.Upcase(static_cast<char16_t>(c)));
        ASSERT_EQ(CompareStringOrdinal(&unit, 1, &upper, 1, TRUE), CSTR_EQUAL) << c;
    }

    // The file system agrees: a file made under one spelling is found under the other.
    const std::string folder = TempPath("fs-names");
    ut::CreateFolderPath(folder);
    const std::string upper = Ansi(L"\u00C9T\u00C9.txt"), lower = Ansi(L"\u00E9t\u00E9.txt");
    WriteText(folder + "\\" + upper, "one");
    EXPECT_EQ(ReadText(folder + "\\" + lower), "one");
    ut::DeleteFolderTree(folder, false);

    quillon::TExtractionTargets targets(rules);
    EXPECT_TRUE(targets.AddFile("a/" + upper));
    EXPECT_FALSE(targets.AddFile("A/" + lower));
    EXPECT_TRUE(targets.AddFile(Ansi(L"a/\u00C4/x.txt")));
    EXPECT_FALSE(targets.AddFile(Ansi(L"a/\u00E4/X.TXT")));
}

TEST(FolderIdentityTest, AFolderIsKnownHoweverItsPathIsSpelt) {
    const std::string folder = TempPath("fs-identity");
    ut::CreateFolderPath(folder + "\\sub");
    ut::CreateFolderPath(folder + "-other");
    const struct {
        std::string path;
        bool inFolder;
    } cases[] = {
        {folder + "\\DevIL.DLL", true},
        {folder + "\\sub\\..\\DevIL.DLL", true},
        {folder + "\\.\\quillon.ini", true},
        {folder + "\\SUB\\..\\\\MakeRFA.EXE", true},
        {folder + "\\sub\\DevIL.DLL", false},
        {folder + "-other\\DevIL.DLL", false},
        {folder + "\\missing\\DevIL.DLL", false},
        {folder + "\\sub", true},
    };
    for (const auto& c : cases) EXPECT_EQ(quillon::LiesDirectlyIn(c.path, folder + "\\"), c.inFolder) << c.path;
    EXPECT_TRUE(quillon::IsSameFolder(folder, folder + "\\SUB\\.."));
    ut::DeleteFolderTree(folder, false);
    ut::DeleteFolderTree(folder + "-other", false);
}

TEST(ReplacingExtractionTest, OnlyAWholeEntryTakesTheTargetsPlace) {
    const std::string folder = TempPath("fs-replace");
    ut::DeleteFolderTree(folder, false);
    ut::CreateFolderPath(folder);
    const std::string archive = folder + "\\a.rfa";
    rfa_test::WriterOptions options;
    options.SegmentSize = 1024;  // enough segments for the progress to run inside the entry
    rfa_test::ArchiveImage image = rfa_test::BuildArchive(
        {rfa_test::TestEntry::FromText("a/good.txt", std::string(40000, 'g')), rfa_test::TestEntry::FromText("a/bad.txt", "bad")},
        options);
    image.Set(rfa_test::Field::SegmentOffset, 0x7FFFFFF0, 1);
    image.Save(archive);
    std::vector<quillon::TRFAFile> entries;
    const quillon::TRFADirectory directory = quillon::ReadRFADirectory(archive);
    for (uint32_t i = 0; i < directory.Entries.size(); ++i) {
        const quillon::TRFADirectoryEntry& e = directory.Entries[i];
        entries.push_back(quillon::MakeRFAFile(e.Name, e.ArchiveSize, directory.DirectoryOffset, e.DataOffset, i, e.Size));
    }
    const std::string target = folder + "\\out.txt";
    struct TStop {};
    const struct {
        const char* what;
        const quillon::TRFAFile& entry;
        std::function<void(uint64_t)> progress;
        std::string expected;
    } cases[] = {
        {"damaged", entries[1], nullptr, "precious"},
        {"stopped inside", entries[0], [](uint64_t) { throw TStop(); }, "precious"},
        {"whole", entries[0], nullptr, std::string(40000, 'g')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteText(target, "precious");
        try {
            quillon::ExtractEntryReplacing(archive, c.entry, target, c.progress);
        } catch (...) {
        }
        EXPECT_EQ(ReadText(target), c.expected);
        EXPECT_EQ(FolderFiles(folder), (std::vector<std::string>{"a.rfa", "out.txt"}));  // nothing left beside it
    }
}

}  // namespace
