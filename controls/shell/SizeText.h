#pragma once
// The size column's text: whole kilobytes, rounded up, with thousands separators ("1,024KB").

#include <cstdint>
#include <string>

namespace mw {

// Any fraction of a kilobyte counts as one more.
uint64_t KilobytesRoundedUp(uint64_t bytes);
// Digits grouped by three with the separator between groups.
std::string GroupThousands(uint64_t value, const std::string& separator);
std::string FormatSizeKB(uint64_t bytes, const std::string& thousandsSeparator);

}  // namespace mw
