#pragma once
// The entropy-coded side of a baseline JPEG: Huffman tables and the bit reader over a scan's
// data, which undoes the byte stuffing and stops at markers.

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon {

class THuffmanTable {
public:
    // counts[i]: the number of codes of length i + 1; symbols: the values in code order.
    // Raises EJpegError when the counts describe more codes than fit.
    void Build(const uint8_t (&counts)[16], const uint8_t* symbols, int symbolCount);
    bool Defined() const { return defined_; }

    // Used by the bit reader: the smallest and largest code of each length, and where its
    // symbols start.
    int32_t MaxCode(int length) const { return maxCode_[length]; }
    int32_t MinCode(int length) const { return minCode_[length]; }
    int Symbol(int length, int32_t code) const { return symbols_[valueOffset_[length] + (code - minCode_[length])]; }

private:
    bool defined_ = false;
    std::array<int32_t, 17> minCode_{};
    std::array<int32_t, 17> maxCode_{};  // -1: no code of that length
    std::array<int, 17> valueOffset_{};
    std::array<uint8_t, 256> symbols_{};
};

class TBitReader {
public:
    // Reads the scan data that starts at data[start]; size is the whole input's size.
    TBitReader(const uint8_t* data, size_t size, size_t start) : data_(data), size_(size), pos_(start) {}

    int Bit();
    // The next count bits (0..16) as an unsigned number.
    int Bits(int count);
    // The next Huffman-coded symbol.
    int Decode(const THuffmanTable& table);
    // A coefficient of count bits (1..15), its sign folded into the magnitude as JPEG stores it.
    int Receive(int count);

    // Drops the rest of the current byte and reads the restart marker RSTn; raises when it is
    // not there.
    void Restart(int n);
    // After the last block: the position of the marker that ends the scan (bytes before it
    // that no block used are skipped).
    size_t EndOfScan();

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_;
    int byte_ = 0;
    int bitsLeft_ = 0;
};

}  // namespace quillon
