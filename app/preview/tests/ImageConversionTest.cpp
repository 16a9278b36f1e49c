// Texture conversion with the system's DevIL: what the picture page is given to show.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/preview/DevILLinked.h"
#include "app/preview/ImageConversion.h"
#include "tools/rfa_writer/SampleArchive.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | uint32_t(b.at(at + 3)) << 24;
}

// A 24-bit picture as rows from the top, each pixel blue, green, red.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    const uint8_t* At(int x, int y) const { return &pixels[(size_t(y) * width + x) * 3]; }
};

Picture ReadBitmap(const std::vector<uint8_t>& b) {
    Picture p;
    EXPECT_EQ(b.at(0), 'B');
    EXPECT_EQ(b.at(1), 'M');
    const uint32_t dataOffset = Le32(b, 10);
    p.width = int32_t(Le32(b, 18));
    const int32_t height = int32_t(Le32(b, 22));
    EXPECT_EQ(b.at(28), 24) << "bits per pixel";
    EXPECT_EQ(Le32(b, 30), 0u) << "compression";
    p.height = height < 0 ? -height : height;
    const size_t stride = (size_t(p.width) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < p.height; ++y) {
        const int row = height < 0 ? y : p.height - 1 - y;  // positive heights go bottom-up
        const uint8_t* line = &b.at(dataOffset + row * stride);
        p.pixels.insert(p.pixels.end(), line, line + p.width * 3);
    }
    return p;
}

// The sample's uncompressed, bottom-up TGA.
Picture ReadTga(const std::vector<uint8_t>& b) {
    Picture p;
    p.width = b[12] | b[13] << 8;
    p.height = b[14] | b[15] << 8;
    for (int y = 0; y < p.height; ++y) {
        const uint8_t* line = &b.at(18 + size_t(p.height - 1 - y) * p.width * 3);
        p.pixels.insert(p.pixels.end(), line, line + p.width * 3);
    }
    return p;
}

class ImageConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quillon-conversion-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        il.ilInit();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const char* name) const { return (folder / name).string(); }

    fs::path folder;
    quillon::TDevILCalls il = quillon::LinkedDevILCalls();
};

TEST_F(ImageConversionTest, ATgaBecomesABitmapWithTheSamePixels) {
    const std::vector<uint8_t> tga = rfa_test::MakeTgaTexture(64, 32);
    WriteFile(Path("preview.tga"), tga);
    WriteFile(Path("preview.bmp"), {'o', 'l', 'd'});  // left by an earlier preview

    ASSERT_TRUE(quillon::ConvertToBitmap(il, Path("preview.tga"), Path("preview.bmp")));
    const Picture expected = ReadTga(tga);
    const Picture bitmap = ReadBitmap(ReadFile(Path("preview.bmp")));
    EXPECT_EQ(bitmap.width, 64);
    EXPECT_EQ(bitmap.height, 32);
    // Same pixels, same way up and in blue-green-red order.
    EXPECT_EQ(bitmap.pixels, expected.pixels);
}

TEST_F(ImageConversionTest, ADxt1DdsBecomesABitmapOfItsSize) {
    WriteFile(Path("preview.dds"), rfa_test::MakeDdsTexture(64, 64));
    ASSERT_TRUE(quillon::ConvertToBitmap(il, Path("preview.dds"), Path("preview.bmp")));
    const Picture bitmap = ReadBitmap(ReadFile(Path("preview.bmp")));
    EXPECT_EQ(bitmap.width, 64);
    EXPECT_EQ(bitmap.height, 64);
    // The sample's blocks run along a red gradient: the corners differ.
    EXPECT_NE(bitmap.At(0, 0)[2], bitmap.At(63, 0)[2]);
}

TEST_F(ImageConversionTest, AnUnreadableSourceFailsAndLeavesNoBitmap) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } sources[] = {
        {"text.tga", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
        {"header.tga", {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 64, 0, 32, 0, 24}},  // a header cut short
        {"empty.dds", {}},
    };
    for (const auto& source : sources) {
        WriteFile(Path(source.name), source.bytes);
        WriteFile(Path("preview.bmp"), {'o', 'l', 'd'});
        EXPECT_FALSE(quillon::ConvertToBitmap(il, Path(source.name), Path("preview.bmp"))) << source.name;
        EXPECT_FALSE(fs::exists(Path("preview.bmp"))) << source.name;
    }
    EXPECT_FALSE(quillon::ConvertToBitmap(il, Path("missing.tga"), Path("preview.bmp")));
}

}  // namespace
