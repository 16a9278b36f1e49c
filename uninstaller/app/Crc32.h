#pragma once
// The reflected CRC-32 of ISO 3309 / ITU-T V.42 (polynomial 0xEDB88320), table driven.

#include <cstddef>
#include <cstdint>

void BuildCrc32Table(uint32_t table[256]);

// Feeds bytes into a running value; a computation starts at 0xFFFFFFFF and its result is the
// complement of the last running value.
uint32_t UpdateCrc32(const uint32_t table[256], uint32_t running, const void* data, size_t size);
