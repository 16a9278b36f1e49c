#include <gtest/gtest.h>

#include "dragdrop/ShellFileFormats.h"

namespace {

using dragdrop::TBytes;

TBytes Bytes(std::initializer_list<int> values) {
    TBytes bytes;
    for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

void Append(TBytes& to, const TBytes& more) { to.insert(to.end(), more.begin(), more.end()); }

// A DROPFILES header with the given name offset and wide flag.
TBytes Header(uint32_t namesOffset, bool wide) {
    TBytes header(dragdrop::kDropFilesHeaderSize, 0);
    for (int i = 0; i < 4; ++i) header[i] = static_cast<uint8_t>(namesOffset >> (8 * i));
    header[16] = wide ? 1 : 0;
    return header;
}

std::vector<std::string> PathsOf(const TBytes& block) {
    const auto layout = dragdrop::ReadDropFilesHeader(block.data(), block.size());
    if (!layout) return {"<no header>"};
    const uint8_t* names = block.data() + layout->namesOffset;
    const size_t size = block.size() - layout->namesOffset;
    if (!layout->wide) return dragdrop::ParseAnsiNameList(names, size);
    std::vector<std::string> narrowed;
    for (const std::u16string& name : dragdrop::ParseWideNameList(names, size)) narrowed.emplace_back(name.begin(), name.end());
    return narrowed;
}

TEST(DropFilesBlock, HoldsTheHeaderThenEachPathWithItsNulAndOneMoreNul) {
    const TBytes block = dragdrop::BuildDropFiles({"a", "bc"});
    TBytes expected = Header(20, false);
    Append(expected, Bytes({'a', 0, 'b', 'c', 0, 0}));
    EXPECT_EQ(block, expected);  // 20 + 2 + 3 + 1 = 26 bytes
    EXPECT_EQ(PathsOf(block), (std::vector<std::string>{"a", "bc"}));
}

TEST(DropFilesBlock, ReadsAnsiAndWideBlocksAndStaysInsideDamagedOnes) {
    struct Case {
        const char* what;
        TBytes block;
        std::vector<std::string> paths;
    };
    TBytes wide = Header(20, true);
    Append(wide, Bytes({'C', 0, ':', 0, 0, 0, 'D', 0, 0, 0, 0, 0}));
    TBytes laterNames = Header(24, false);
    Append(laterNames, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'x', 0, 0}));
    TBytes unterminated = Header(20, false);
    Append(unterminated, Bytes({'a', 0, 'b', 'c'}));
    TBytes noEndMark = Header(20, false);
    Append(noEndMark, Bytes({'a', 0, 'b', 0}));
    TBytes oddWide = Header(20, true);
    Append(oddWide, Bytes({'a', 0, 0, 0, 'b'}));
    const Case cases[] = {
        {"wide names", wide, {"C:", "D"}},
        {"names after a longer header", laterNames, {"x"}},
        {"last name cut off", unterminated, {"a"}},
        {"no closing empty name", noEndMark, {"a", "b"}},
        {"odd byte after wide names", oddWide, {"a"}},
        {"offset at the very end", Header(20, false), {}},
        {"offset beyond the end", Header(21, false), {"<no header>"}},
        {"shorter than a header", TBytes(19, 0), {"<no header>"}},
    };
    for (const Case& c : cases) EXPECT_EQ(PathsOf(c.block), c.paths) << c.what;
}

TEST(NameMaps, AnsiAndWideListsRoundTrip) {
    const std::vector<std::string> names{"first.txt", "x"};
    const TBytes ansi = dragdrop::BuildAnsiNameList(names);
    EXPECT_EQ(ansi.size(), 10u + 2u + 1u);
    EXPECT_EQ(dragdrop::ParseAnsiNameList(ansi.data(), ansi.size()), names);

    const std::vector<std::u16string> wideNames{u"first.txt", u"\u00e9"};
    const TBytes wide = dragdrop::BuildWideNameList(wideNames);
    EXPECT_EQ(wide.size(), 2u + (2u * 9 + 2) + (2u * 1 + 2));
    EXPECT_EQ(wide[wide.size() - 6], 0xe9);  // little-endian units
    EXPECT_EQ(dragdrop::ParseWideNameList(wide.data(), wide.size()), wideNames);
}

TEST(ItemIdLists, SizeCountsItemsAndTerminatorWithinTheAvailableBytes) {
    struct Case {
        const char* what;
        TBytes list;
        size_t size;
    };
    const Case cases[] = {
        {"empty list", Bytes({0, 0}), 2},
        {"two items", Bytes({3, 0, 'a', 4, 0, 'b', 'c', 0, 0}), 9},
        {"item running past the end", Bytes({9, 0, 'a', 0, 0}), 0},
        {"no terminator", Bytes({3, 0, 'a'}), 0},
        {"item too small to advance", Bytes({1, 0, 0, 0}), 0},
        {"nothing at all", TBytes{}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(dragdrop::ItemIdListSize(c.list.data(), c.list.size()), c.size) << c.what;
}

TEST(ItemIdLists, ArrayHoldsCountOffsetsThenFolderAndNameLists) {
    const TBytes folder = Bytes({3, 0, 'F', 0, 0});
    const TBytes first = Bytes({3, 0, 'a', 0, 0});
    const TBytes second = Bytes({4, 0, 'b', 'c', 0, 0});
    const TBytes block = dragdrop::BuildIdListArray(folder, {first, second});

    TBytes expected = Bytes({2, 0, 0, 0, 16, 0, 0, 0, 21, 0, 0, 0, 26, 0, 0, 0});
    Append(expected, folder);
    Append(expected, first);
    Append(expected, second);
    EXPECT_EQ(block, expected);
}

}  // namespace
