#include "uninstaller/log/NameCompare.h"

#include <cstring>

namespace {

// Built at compile time: names are compared while other files' globals are being constructed.
struct UpperCase {
  unsigned char table[256] = {};
  constexpr UpperCase() {
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
};

UpperCase g_upperCase;

inline int Up(char c) { return g_upperCase.table[static_cast<unsigned char>(c)]; }

}  // namespace

void SetUpperCaseTable(const unsigned char table[256]) {
  std::memcpy(g_upperCase.table, table, sizeof g_upperCase.table);
}

unsigned char UpperCaseOf(char c) { return static_cast<unsigned char>(Up(c)); }

int CompareNoCaseN(const char* a, const char* b, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    int difference = Up(a[i]) - Up(b[i]);
    if (difference != 0) return difference;
    if (a[i] == '\0') return 0;
  }
  return 0;
}

int CompareNoCase(const char* a, const char* b) { return CompareNoCaseN(a, b, static_cast<std::size_t>(-1)); }

bool EqualNoCase(const char* a, const char* b) { return CompareNoCase(a, b) == 0; }

bool StartsWithNoCase(const char* text, const char* prefix) {
  for (; *prefix; ++prefix, ++text) {
    if (*text == '\0' || Up(*text) != Up(*prefix)) return false;
  }
  return true;
}
