// The JPEG decoder against libjpeg on pictures libjpeg wrote with many settings, and on
// damaged files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "LibjpegReference.h"
#include "app/jpeg/JpegDecoder.h"

namespace {

using quillon::DecodeJpeg;
using quillon::EJpegError;

// Smooth gradients, hard edges and noise: every kind of detail a transform can get wrong.
std::vector<uint8_t> TestPicture(int width, int height, int channels) {
    std::vector<uint8_t> pixels(size_t(width) * height * channels);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                seed = seed * 1103515245u + 12345u;
                int value = (x * 255 / std::max(1, width - 1) + c * 80) % 256;
                if ((x / 5 + y / 7) % 2) value = 255 - value;
                value += int(seed >> 28) - 8;
                if (y > height / 2 && c == 1) value = y * 4;
                pixels[(size_t(y) * width + x) * channels + c] = uint8_t(std::clamp(value, 0, 255));
            }
    return pixels;
}

struct TReferenceCase {
    const char* name;
    TLibjpegSettings settings;
};

class JpegAgainstLibjpeg : public ::testing::TestWithParam<TReferenceCase> {};

TEST_P(JpegAgainstLibjpeg, DecodesLikeTheReference) {
    const TLibjpegSettings& s = GetParam().settings;
    const std::vector<uint8_t> file = EncodeWithLibjpeg(TestPicture(s.width, s.height, s.channels), s);
    const TLibjpegImage expected = DecodeWithLibjpeg(file);

    const quillon::TJpegImage image = DecodeJpeg(file.data(), file.size());
    ASSERT_EQ(image.Width, expected.width);
    ASSERT_EQ(image.Height, expected.height);
    ASSERT_EQ(image.Channels, expected.channels);
    ASSERT_EQ(image.Pixels.size(), expected.pixels.size());
    // The reference uses an integer transform and fixed-point colour conversion; ours computes
    // both in floating point, so single values may differ by rounding, never by more.
    int worst = 0;
    double total = 0;
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        const int difference = std::abs(int(image.Pixels[i]) - int(expected.pixels[i]));
        worst = std::max(worst, difference);
        total += difference;
    }
    EXPECT_LE(worst, 3);
    EXPECT_LT(total / double(expected.pixels.size()), 0.25);
}

TLibjpegSettings Settings(int width, int height, int channels, int lumaH, int lumaV) {
    TLibjpegSettings s;
    s.width = width;
    s.height = height;
    s.channels = channels;
    s.lumaH = lumaH;
    s.lumaV = lumaV;
    return s;
}

TLibjpegSettings With(TLibjpegSettings s, void (*change)(TLibjpegSettings&)) {
    change(s);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, JpegAgainstLibjpeg,
    ::testing::Values(
        TReferenceCase{"Grey", Settings(40, 24, 1, 1, 1)},
        TReferenceCase{"GreyOnePixel", Settings(1, 1, 1, 1, 1)},
        TReferenceCase{"GreyOddSize", Settings(13, 7, 1, 1, 1)},
        TReferenceCase{"Colour444", Settings(48, 32, 3, 1, 1)},
        TReferenceCase{"Colour420", Settings(64, 48, 3, 2, 2)},
        TReferenceCase{"Colour420OddSize", Settings(37, 29, 3, 2, 2)},
        TReferenceCase{"Colour422", Settings(35, 20, 3, 2, 1)},
        TReferenceCase{"Colour440", Settings(20, 35, 3, 1, 2)},
        TReferenceCase{"Colour411", Settings(70, 9, 3, 4, 1)},
        TReferenceCase{"BannerShape", Settings(500, 125, 3, 2, 2)},
        TReferenceCase{"Quality100", With(Settings(32, 32, 3, 2, 2), [](TLibjpegSettings& s) { s.quality = 100; })},
        TReferenceCase{"Quality5WideTables", With(Settings(32, 32, 3, 2, 2), [](TLibjpegSettings& s) {
                           s.quality = 5;
                           s.forceBaseline = false;
                       })},
        TReferenceCase{"OptimizedTables", With(Settings(41, 33, 3, 2, 2), [](TLibjpegSettings& s) { s.optimizeCoding = true; })},
        TReferenceCase{"RestartMarkers", With(Settings(100, 40, 3, 2, 2), [](TLibjpegSettings& s) { s.restartInterval = 3; })},
        TReferenceCase{"RestartEveryMcuGrey", With(Settings(30, 30, 1, 1, 1), [](TLibjpegSettings& s) { s.restartInterval = 1; })},
        TReferenceCase{"SeparateScans", With(Settings(37, 29, 3, 2, 2), [](TLibjpegSettings& s) { s.separateScans = true; })},
        TReferenceCase{"SeparateScansWithRestarts", With(Settings(37, 29, 3, 2, 1), [](TLibjpegSettings& s) {
                           s.separateScans = true;
                           s.restartInterval = 2;
                       })}),
    [](const ::testing::TestParamInfo<TReferenceCase>& info) { return std::string(info.param.name); });

// ---- damaged and unsupported files ----

std::vector<uint8_t> SmallColourFile(int restartInterval = 0) {
    TLibjpegSettings s = Settings(24, 16, 3, 2, 2);
    s.restartInterval = restartInterval;
    return EncodeWithLibjpeg(TestPicture(s.width, s.height, s.channels), s);
}

// The offset of the first marker segment with this code (its 0xFF byte).
size_t FindMarker(const std::vector<uint8_t>& file, uint8_t marker) {
    for (size_t pos = 2; pos + 3 < file.size();) {
        if (file[pos + 1] == marker) return pos;
        if (file[pos + 1] == 0xDA) break;  // the scan data follows; no more headers to walk
        pos += 2 + ((size_t(file[pos + 2]) << 8) | file[pos + 3]);
    }
    ADD_FAILURE() << "no marker " << int(marker);
    return 0;
}

std::string DecodeError(const std::vector<uint8_t>& file) {
    try {
        DecodeJpeg(file.data(), file.size());
    } catch (const EJpegError& e) {
        return e.what();
    }
    return "";
}

struct TDamage {
    const char* name;
    void (*apply)(std::vector<uint8_t>& file);
    const char* error;  // a part of the message
};

class JpegDamage : public ::testing::TestWithParam<TDamage> {};

TEST_P(JpegDamage, IsRefusedWithAReason) {
    std::vector<uint8_t> file = SmallColourFile();
    GetParam().apply(file);
    EXPECT_NE(DecodeError(file).find(GetParam().error), std::string::npos) << DecodeError(file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegDamage,
    ::testing::Values(
        TDamage{"Empty", [](std::vector<uint8_t>& f) { f.clear(); }, "Not a JPEG file"},
        TDamage{"NoStartMarker", [](std::vector<uint8_t>& f) { f[1] = 0xD9; }, "Not a JPEG file"},
        TDamage{"TwelveBitSamples", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xC0) + 4] = 12; }, "8-bit samples"},
        TDamage{"ZeroHeight", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xC0) + 5] = f[FindMarker(f, 0xC0) + 6] = 0; }, "size is invalid"},
        TDamage{"HugeSizeFewBytes", [](std::vector<uint8_t>& f) {
                    const size_t sof = FindMarker(f, 0xC0);
                    f[sof + 5] = f[sof + 7] = 0x10;  // over 4 000 x 4 000 from a few hundred bytes
                }, "too short"},
        TDamage{"FourComponents", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xC0) + 9] = 4; }, "4 colour components"},
        TDamage{"SamplingNotDividing", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xC0) + 14] = 0x33; }, "sampling factors"},
        TDamage{"SharedComponentNumber", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xC0) + 13] = f[FindMarker(f, 0xC0) + 10]; }, "share a number"},
        TDamage{"SegmentLengthPastEnd", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xDB) + 2] = 0xFF; }, "runs past the end"},
        TDamage{"OverfullHuffmanTable", [](std::vector<uint8_t>& f) {
                    // One code of length 1, none of 2, then five of 3: more than fit.
                    f[FindMarker(f, 0xC4) + 5] = 1;
                    f[FindMarker(f, 0xC4) + 6] = 0;
                }, "Huffman table is invalid"},
        TDamage{"UndefinedTableInScan", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xDA) + 6] = 0x33; }, "undefined table"},
        TDamage{"ScanOfUnknownComponent", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xDA) + 5] = 99; }, "unknown colour component"},
        TDamage{"NotSequential", [](std::vector<uint8_t>& f) { f[FindMarker(f, 0xDA) + 12] = 5; }, "not sequential"},
        TDamage{"NoEndMarker", [](std::vector<uint8_t>& f) { f.resize(f.size() - 2); }, "ends early"},
        TDamage{"ScanDataReplacedByMarker", [](std::vector<uint8_t>& f) {
                    const size_t data = FindMarker(f, 0xDA) + 2 + 12;
                    f[data] = 0xFF;
                    f[data + 1] = 0xD9;
                }, "ends early"}),
    [](const ::testing::TestParamInfo<TDamage>& info) { return std::string(info.param.name); });

TEST(JpegDecoder, RefusesProgressiveFiles) {
    TLibjpegSettings s = Settings(16, 16, 3, 2, 2);
    s.progressive = true;
    const std::vector<uint8_t> file = EncodeWithLibjpeg(TestPicture(16, 16, 3), s);
    EXPECT_NE(DecodeError(file).find("Progressive"), std::string::npos);
}

TEST(JpegDecoder, RefusesAMissingRestartMarker) {
    std::vector<uint8_t> file = SmallColourFile(1);
    // Turn the first RST0 into bytes no marker starts with.
    for (size_t i = FindMarker(file, 0xDA); i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xD0) {
            file[i] = 0x00;
            file[i + 1] = 0x00;
            break;
        }
    EXPECT_NE(DecodeError(file).find("restart marker missing"), std::string::npos) << DecodeError(file);
}

// Every cut-off file is refused (the end marker is missing), and every byte of the scan data
// replaced by each of a few values either decodes or is refused: nothing reads outside the
// input (the sanitizers watch) and nothing else is thrown.
TEST(JpegDecoder, CutOffAndOverwrittenFilesAreRefusedOrDecoded) {
    const std::vector<uint8_t> file = SmallColourFile(2);
    for (size_t length = 0; length < file.size(); ++length)
        EXPECT_THROW(DecodeJpeg(file.data(), length), EJpegError) << "cut at " << length;

    for (size_t i = FindMarker(file, 0xDA); i < file.size(); ++i)
        for (uint8_t value : {0x00, 0x7F, 0xFF}) {
            std::vector<uint8_t> damaged = file;
            damaged[i] = value;
            try {
                const quillon::TJpegImage image = DecodeJpeg(damaged.data(), damaged.size());
                EXPECT_EQ(image.Pixels.size(), size_t(24 * 16 * 3));
            } catch (const EJpegError&) {
            }
        }
}

}  // namespace
