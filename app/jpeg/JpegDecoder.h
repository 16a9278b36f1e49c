#pragma once
// A baseline JPEG decoder for the pictures the program carries in its form resources:
// sequential Huffman-coded files with 8-bit samples, grayscale or YCbCr with any sampling whose
// factors divide the largest ones (4:4:4, 4:2:2, 4:2:0...). Progressive, lossless and
// arithmetic-coded files are refused. Every read is checked: damaged data raises EJpegError.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/core/Exception.h"

namespace quillon {

CL_DECLARE_EXCEPTION(EJpegError, cl::Exception);

struct TJpegImage {
    int Width = 0;
    int Height = 0;
    int Channels = 0;             // 1: grey; 3: red, green, blue
    std::vector<uint8_t> Pixels;  // rows top down, Channels bytes per pixel, no padding
};

TJpegImage DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace quillon
