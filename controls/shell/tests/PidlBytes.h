#pragma once
// Item-ID lists built from item payloads, for tests.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace test {

using TItem = std::vector<uint8_t>;

// Each payload becomes an item (its 2-byte count first), then the terminator.
inline std::vector<uint8_t> MakePidl(std::initializer_list<TItem> items) {
    std::vector<uint8_t> bytes;
    for (const TItem& item : items) {
        const size_t count = item.size() + 2;
        bytes.push_back(static_cast<uint8_t>(count & 0xFF));
        bytes.push_back(static_cast<uint8_t>(count >> 8));
        bytes.insert(bytes.end(), item.begin(), item.end());
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

}  // namespace test
