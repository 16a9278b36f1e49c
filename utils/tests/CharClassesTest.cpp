#include "utils/UtCharClasses.h"

#include <gtest/gtest.h>

namespace {

TEST(ReflectedCaseMap, SwapsCaseByClassOnly) {
    ut::CharTypeTable types{};
    ut::CaseMap lower{}, upper{};
    for (unsigned c = 0; c < 256; ++c) lower[c] = upper[c] = static_cast<uint8_t>(c);
    const auto pair = [&](uint8_t capital, uint8_t small) {
        types[capital] = ut::kCharUpper;
        types[small] = ut::kCharLower;
        lower[capital] = small;
        upper[small] = capital;
    };
    pair('A', 'a');
    pair(0xC0, 0xE0);
    types[0xDF] = ut::kCharLower;  // a lower-case letter without an upper case of its own
    lower['1'] = 'x';              // a map entry for a character of neither class is not used

    const ut::CaseMap reflected = ut::ReflectedCaseMap(types, lower, upper);
    const struct {
        uint8_t character;
        uint8_t expected;
    } kCases[] = {{'A', 'a'}, {'a', 'A'}, {0xC0, 0xE0}, {0xE0, 0xC0}, {0xDF, 0xDF}, {'1', '1'}, {0, 0}, {0xFF, 0xFF}};
    for (const auto& c : kCases) EXPECT_EQ(reflected[c.character], c.expected) << "character " << int(c.character);
}

}  // namespace
