#include "app/JpegPicture.h"

#include <string>

#include "app/jpeg/JpegDecoder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Image.h"

HBITMAP JpegToBitmap(const std::vector<uint8_t>& jpeg) {
    const quillon::TJpegImage image = quillon::DecodeJpeg(jpeg.data(), jpeg.size());
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.Width;
    info.bmiHeader.biHeight = -image.Height;  // top down, as the decoder delivers the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) throw cl::Exception("Cannot make a bitmap of " + std::to_string(image.Width) + " x " + std::to_string(image.Height) + " pixels");
    const size_t stride = (size_t(image.Width) * 3 + 3) & ~size_t(3);
    auto* rows = static_cast<uint8_t*>(bits);
    for (int y = 0; y < image.Height; ++y) {
        const uint8_t* in = &image.Pixels[size_t(y) * image.Width * image.Channels];
        uint8_t* out = rows + size_t(y) * stride;
        for (int x = 0; x < image.Width; ++x, in += image.Channels, out += 3) {
            // DIB pixels are blue, green, red; a grey sample goes to all three.
            out[0] = in[image.Channels == 3 ? 2 : 0];
            out[1] = in[image.Channels == 3 ? 1 : 0];
            out[2] = in[0];
        }
    }
    GdiFlush();
    return bitmap;
}

void RegisterJpegPicture() { cl::TPicture::RegisterGraphicClass("TJPEGImage", JpegToBitmap); }
