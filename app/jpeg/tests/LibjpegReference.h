#pragma once
// The system's libjpeg as the reference: it writes test pictures with chosen settings and
// decodes them as the reference result.

#include <cstdint>
#include <vector>

struct TLibjpegSettings {
    int width = 16;
    int height = 16;
    int channels = 3;  // 1: grey; 3: RGB in, YCbCr in the file
    int lumaH = 1;     // sampling factors of the luma component (chroma has 1 x 1)
    int lumaV = 1;
    int quality = 75;
    int restartInterval = 0;     // in MCUs
    bool optimizeCoding = false;  // Huffman tables made for the picture
    bool forceBaseline = true;    // false allows 16-bit quantization tables at low quality
    bool separateScans = false;   // one sequential scan per component
    bool progressive = false;
};

std::vector<uint8_t> EncodeWithLibjpeg(const std::vector<uint8_t>& pixels, const TLibjpegSettings& settings);

struct TLibjpegImage {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<uint8_t> pixels;
};

// Accurate integer transform, chroma repeated rather than interpolated.
TLibjpegImage DecodeWithLibjpeg(const std::vector<uint8_t>& jpeg);
