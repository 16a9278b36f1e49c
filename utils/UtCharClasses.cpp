#include "utils/UtCharClasses.h"

namespace ut {

CaseMap ReflectedCaseMap(const CharTypeTable& types, const CaseMap& lower, const CaseMap& upper) {
    CaseMap reflected{};
    for (unsigned c = 0; c < reflected.size(); ++c) {
        if (types[c] & kCharUpper)
            reflected[c] = lower[c];
        else if (types[c] & kCharLower)
            reflected[c] = upper[c];
        else
            reflected[c] = static_cast<uint8_t>(c);
    }
    return reflected;
}

}  // namespace ut
