#pragma once
// Registry value data as the log describes it, and counters stored in the registry.

#include <cstddef>

// The data to write for a logged value of log type 0 (REG_SZ), 1 (REG_EXPAND_SZ),
// 2 (REG_MULTI_SZ), 3 (REG_DWORD) or 4 (REG_BINARY). text is a list of NUL-terminated strings,
// closed by an empty string or by the end of its textSize bytes; all types but REG_MULTI_SZ use
// its first string.
//   REG_DWORD: the decimal text as a 32-bit number.
//   REG_MULTI_SZ: every string of the list with its NUL, then the closing NUL.
//   REG_BINARY: every hexadecimal digit in order, two to a byte, high half first; other
//               characters are skipped and an odd last digit is dropped.
//   REG_SZ, REG_EXPAND_SZ: the text with its NUL.
// False for another log type or when the data does not fit outSize.
bool EncodeRegistryValue(int logType, const char* text, std::size_t textSize, unsigned char* out,
                         std::size_t outSize, std::size_t* dataSize, unsigned* valueType);

// A counter: REG_SZ as a decimal number; REG_DWORD, or REG_BINARY of exactly four bytes, as a
// 32-bit number. False for any other type.
bool ReadCounter(unsigned valueType, const unsigned char* data, std::size_t size, long* count);

// Optional spaces, an optional sign and decimal digits, within size bytes; anything after
// them is ignored. The result wraps to 32 bits; no digits give 0.
long ParseDecimal(const char* text, std::size_t size);
