// Fuzzes the JPEG decoder: any input must give a picture of the announced size or
// EJpegError, never a crash, a hang or a read outside the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/jpeg/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const quillon::TJpegImage image = quillon::DecodeJpeg(data, size);
        if (image.Pixels.size() != size_t(image.Width) * image.Height * image.Channels) std::abort();
    } catch (const quillon::EJpegError&) {
    }
    return 0;
}
