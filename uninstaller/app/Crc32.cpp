#include "uninstaller/app/Crc32.h"

void BuildCrc32Table(uint32_t table[256])
{
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
}

uint32_t UpdateCrc32(const uint32_t table[256], uint32_t running, const void* data, size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        running = table[(running ^ bytes[i]) & 0xFF] ^ (running >> 8);
    return running;
}
