#pragma once
// Character classes and case maps of the 256 8-bit characters.

#include <array>
#include <cstdint>

namespace ut {

// The two class flags (CT_CTYPE1 values) the case maps depend on.
constexpr uint16_t kCharUpper = 0x0001;
constexpr uint16_t kCharLower = 0x0002;

using CharTypeTable = std::array<uint16_t, 256>;
using CaseMap = std::array<uint8_t, 256>;

struct CharacterTables {
    CharTypeTable types{};  // class flags of each character
    CaseMap lower{};
    CaseMap upper{};
    CaseMap reflected{};    // upper case to lower, lower case to upper, the rest unchanged
};

// The reflected case map: a character of class upper takes its lower case, one of class lower
// its upper case, any other stays itself.
CaseMap ReflectedCaseMap(const CharTypeTable& types, const CaseMap& lower, const CaseMap& upper);

}  // namespace ut
