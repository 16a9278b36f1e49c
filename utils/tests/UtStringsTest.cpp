#include "utils/UtStrings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ReadCharacterTables, ClassesOfTheUserLocale) {
    const ut::CharacterTables tables = ut::ReadCharacterTables();
    const struct {
        unsigned character;
        WORD present;
        WORD absent;
    } kCases[] = {
        {'A', C1_UPPER | C1_ALPHA | C1_XDIGIT, C1_LOWER},
        {'z', C1_LOWER | C1_ALPHA, C1_UPPER},
        {'7', C1_DIGIT | C1_XDIGIT, C1_ALPHA},
        {' ', C1_SPACE | C1_BLANK, C1_ALPHA},
        {'!', C1_PUNCT, C1_ALPHA},
        {0, C1_CNTRL, C1_ALPHA},  // the terminator is classified like any other character
        {'\t', C1_CNTRL | C1_SPACE | C1_BLANK, C1_ALPHA},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(tables.types[c.character] & c.present, c.present) << "character " << c.character;
        EXPECT_EQ(tables.types[c.character] & c.absent, 0) << "character " << c.character;
    }
}

TEST(ReadCharacterTables, CaseMaps) {
    const ut::CharacterTables tables = ut::ReadCharacterTables();
    struct Pair {
        unsigned capital;
        unsigned small;
    };
    std::vector<Pair> pairs = {{'A', 'a'}, {'M', 'm'}, {'Z', 'z'}};
    std::vector<unsigned> caseless = {0, '7', '@', '[', '`', '{', 0x7F};
    if (GetACP() == 1252) {
        pairs.insert(pairs.end(), {{0xC0, 0xE0}, {0xDE, 0xFE}, {0x8A, 0x9A}, {0x9F, 0xFF}});
        caseless.insert(caseless.end(), {0xD7, 0xF7, 0xA9});
    }
    for (const Pair& p : pairs) {
        EXPECT_EQ(tables.lower[p.capital], p.small) << "character " << p.capital;
        EXPECT_EQ(tables.upper[p.small], p.capital) << "character " << p.small;
        EXPECT_EQ(tables.lower[p.small], p.small) << "character " << p.small;
        EXPECT_EQ(tables.upper[p.capital], p.capital) << "character " << p.capital;
        EXPECT_EQ(tables.reflected[p.capital], p.small) << "character " << p.capital;
        EXPECT_EQ(tables.reflected[p.small], p.capital) << "character " << p.small;
    }
    for (unsigned c : caseless) {
        EXPECT_EQ(tables.lower[c], c) << "character " << c;
        EXPECT_EQ(tables.upper[c], c) << "character " << c;
        EXPECT_EQ(tables.reflected[c], c) << "character " << c;
    }
}

}  // namespace
