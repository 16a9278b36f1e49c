#include "uninstaller/app/RegistryValueData.h"

#include <cstdint>
#include <cstring>

#include "uninstaller/app/EngineHost.h"

namespace {

// The length of the string at text, never beyond size bytes.
std::size_t BoundedLength(const char* text, std::size_t size)
{
    std::size_t length = 0;
    while (length < size && text[length])
        ++length;
    return length;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void PutLittleEndian32(std::uint32_t value, unsigned char* out)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

bool EncodeMultiString(const char* text, std::size_t textSize, unsigned char* out, std::size_t outSize,
                       std::size_t* dataSize)
{
    std::size_t used = 0;
    std::size_t offset = 0;
    while (offset < textSize && text[offset]) {
        std::size_t length = BoundedLength(text + offset, textSize - offset);
        if (used + length + 1 > outSize)
            return false;
        std::memcpy(out + used, text + offset, length);
        out[used + length] = '\0';
        used += length + 1;
        offset += length + 1;
    }
    if (used + 1 > outSize)
        return false;
    out[used++] = '\0';
    *dataSize = used;
    return true;
}

bool EncodeBinary(const char* text, std::size_t length, unsigned char* out, std::size_t outSize,
                  std::size_t* dataSize)
{
    std::size_t used = 0;
    int high = -1;
    for (std::size_t i = 0; i < length; ++i) {
        int digit = HexDigit(text[i]);
        if (digit < 0)
            continue;
        if (high < 0) {
            high = digit;
            continue;
        }
        if (used == outSize)
            return false;
        out[used++] = static_cast<unsigned char>(high << 4 | digit);
        high = -1;
    }
    *dataSize = used;
    return true;
}

}  // namespace

long ParseDecimal(const char* text, std::size_t size)
{
    std::size_t i = 0;
    while (i < size && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::uint32_t value = 0;
    for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

bool EncodeRegistryValue(int logType, const char* text, std::size_t textSize, unsigned char* out,
                         std::size_t outSize, std::size_t* dataSize, unsigned* valueType)
{
    std::size_t length = BoundedLength(text, textSize);
    switch (logType) {
    case 0:
    case 1:
        *valueType = logType == 0 ? kRegSz : kRegExpandSz;
        if (length + 1 > outSize)
            return false;
        std::memcpy(out, text, length);
        out[length] = '\0';
        *dataSize = length + 1;
        return true;
    case 2:
        *valueType = kRegMultiSz;
        return EncodeMultiString(text, textSize, out, outSize, dataSize);
    case 3:
        *valueType = kRegDword;
        if (outSize < 4)
            return false;
        PutLittleEndian32(static_cast<std::uint32_t>(ParseDecimal(text, length)), out);
        *dataSize = 4;
        return true;
    case 4:
        *valueType = kRegBinary;
        return EncodeBinary(text, length, out, outSize, dataSize);
    default:
        return false;
    }
}

bool ReadCounter(unsigned valueType, const unsigned char* data, std::size_t size, long* count)
{
    if (valueType == kRegSz) {
        *count = ParseDecimal(reinterpret_cast<const char*>(data), size);
        return true;
    }
    if (valueType == kRegDword || (valueType == kRegBinary && size == 4)) {
        if (size < 4)
            return false;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | data[i];
        *count = static_cast<std::int32_t>(value);
        return true;
    }
    return false;
}
