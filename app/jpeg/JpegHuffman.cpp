#include "app/jpeg/JpegHuffman.h"

#include "app/jpeg/JpegDecoder.h"

namespace quillon {

void THuffmanTable::Build(const uint8_t (&counts)[16], const uint8_t* symbols, int symbolCount) {
    int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length) {
        const int count = counts[length - 1];
        valueOffset_[length] = index;
        minCode_[length] = code;
        maxCode_[length] = count ? code + count - 1 : -1;
        code += count;
        // Codes of this length must stay below 2^length, or the table is not a prefix code.
        if (code > (int32_t(1) << length)) throw EJpegError("JPEG Huffman table is invalid");
        index += count;
        code <<= 1;
    }
    if (index != symbolCount || index > 256) throw EJpegError("JPEG Huffman table is invalid");
    for (int i = 0; i < symbolCount; ++i) symbols_[i] = symbols[i];
    defined_ = true;
}

int TBitReader::Bit() {
    if (bitsLeft_ == 0) {
        if (pos_ >= size_) throw EJpegError("JPEG data ends early");
        const uint8_t b = data_[pos_];
        if (b == 0xFF) {
            // 0xFF 0x00 is a stuffed 0xFF; anything else is a marker, which no block may run into.
            if (pos_ + 1 >= size_ || data_[pos_ + 1] != 0x00) throw EJpegError("JPEG data ends early");
            pos_ += 2;
        } else {
            ++pos_;
        }
        byte_ = b;
        bitsLeft_ = 8;
    }
    --bitsLeft_;
    return (byte_ >> bitsLeft_) & 1;
}

int TBitReader::Bits(int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) value = (value << 1) | Bit();
    return value;
}

int TBitReader::Decode(const THuffmanTable& table) {
    int32_t code = 0;
    for (int length = 1; length <= 16; ++length) {
        code = (code << 1) | Bit();
        if (table.MaxCode(length) >= 0 && code <= table.MaxCode(length) && code >= table.MinCode(length))
            return table.Symbol(length, code);
    }
    throw EJpegError("JPEG data holds an unknown Huffman code");
}

int TBitReader::Receive(int count) {
    const int value = Bits(count);
    // Values below 2^(count-1) stand for the negative ones.
    return value < (1 << (count - 1)) ? value - (1 << count) + 1 : value;
}

void TBitReader::Restart(int n) {
    bitsLeft_ = 0;
    if (pos_ + 1 >= size_ || data_[pos_] != 0xFF || data_[pos_ + 1] != 0xD0 + n)
        throw EJpegError("JPEG restart marker missing");
    pos_ += 2;
}

size_t TBitReader::EndOfScan() {
    bitsLeft_ = 0;
    while (pos_ + 1 < size_ && !(data_[pos_] == 0xFF && data_[pos_ + 1] != 0x00 && data_[pos_ + 1] != 0xFF)) ++pos_;
    if (pos_ + 1 >= size_) throw EJpegError("JPEG data ends early");
    return pos_;
}

}  // namespace quillon
