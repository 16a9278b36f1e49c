#pragma once
// JPEG pictures decoded by libjpeg into 8-bit grey or RGB rows. Damaged data raises EJpegError
// with libjpeg's own message; libjpeg's default handler would end the process instead.

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

// Pictures beyond this many pixels are refused before anything is allocated for them.
constexpr size_t MaxJpegPixels = size_t(1) << 26;

TJpegImage DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace quillon
