// Pictures encoded by libjpeg come back at their size and close to their pixels; damaged files
// raise EJpegError instead of ending the program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "app/jpeg/JpegDecoder.h"

namespace {

using quillon::DecodeJpeg;
using quillon::EJpegError;

// Smooth gradients, different per channel.
std::vector<uint8_t> Gradient(int width, int height, int channels) {
    std::vector<uint8_t> pixels(size_t(width) * height * channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                pixels[(size_t(y) * width + x) * channels + c] = uint8_t(x * 150 / width + c * 30 + y * 40 / height);
    return pixels;
}

std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int width, int height, int channels) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = channels;
    info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[size_t(info.next_scanline) * width * channels]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> file(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return file;
}

struct TPictureCase {
    int width, height, channels;
};

class JpegPictures : public ::testing::TestWithParam<TPictureCase> {};

TEST_P(JpegPictures, DecodeToTheirSizeAndColours) {
    const TPictureCase& p = GetParam();
    const std::vector<uint8_t> pixels = Gradient(p.width, p.height, p.channels);
    const std::vector<uint8_t> file = Encode(pixels, p.width, p.height, p.channels);
    const quillon::TJpegImage image = DecodeJpeg(file.data(), file.size());
    ASSERT_EQ(image.Width, p.width);
    ASSERT_EQ(image.Height, p.height);
    ASSERT_EQ(image.Channels, p.channels);
    ASSERT_EQ(image.Pixels.size(), pixels.size());
    double total = 0;
    for (size_t i = 0; i < pixels.size(); ++i) total += std::abs(int(image.Pixels[i]) - int(pixels[i]));
    EXPECT_LT(total / double(pixels.size()), 6.0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, JpegPictures,
                         ::testing::Values(TPictureCase{500, 125, 3}, TPictureCase{37, 29, 3}, TPictureCase{1, 1, 3},
                                           TPictureCase{13, 7, 1}));

std::string ErrorOf(const std::vector<uint8_t>& file) {
    try {
        DecodeJpeg(file.data(), file.size());
    } catch (const EJpegError& e) {
        return e.what();
    }
    return "";
}

TEST(JpegDecoder, DamagedFilesRaiseAnErrorWithAReason) {
    const std::vector<uint8_t> good = Encode(Gradient(24, 16, 3), 24, 16, 3);
    std::vector<uint8_t> notJpeg = good;
    notJpeg[1] = 0x00;
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 20);
    // The frame header's height and width (after the marker, its length and the precision).
    std::vector<uint8_t> huge = good;
    for (size_t i = 2; i + 8 < huge.size(); ++i)
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = huge[i + 7] = 0xFF;
            break;
        }
    const struct {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {{"empty", {}}, {"not a JPEG", notJpeg}, {"header cut off", headerOnly}, {"huge frame", huge}};
    for (const auto& c : cases) EXPECT_FALSE(ErrorOf(c.file).empty()) << c.name;
    EXPECT_NE(ErrorOf(huge).find("too large"), std::string::npos) << ErrorOf(huge);
}

// libjpeg fills what a cut-off scan lacks; the picture keeps its size.
TEST(JpegDecoder, ACutOffScanStillGivesTheWholePicture) {
    std::vector<uint8_t> file = Encode(Gradient(64, 64, 3), 64, 64, 3);
    file.resize(file.size() * 2 / 3);
    const quillon::TJpegImage image = DecodeJpeg(file.data(), file.size());
    EXPECT_EQ(image.Pixels.size(), size_t(64 * 64 * 3));
}

}  // namespace
