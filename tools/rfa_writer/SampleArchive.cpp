#include "tools/rfa_writer/SampleArchive.h"

#include <cmath>
#include <string>

namespace rfa_test {

namespace {

void Put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, uint16_t(value));
    Put16(out, uint16_t(value >> 16));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

uint16_t Rgb565(unsigned r, unsigned g, unsigned b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

}  // namespace

std::vector<uint8_t> MakeDdsTexture(uint32_t width, uint32_t height) {
    std::vector<uint8_t> out;
    PutTag(out, "DDS ");
    Put32(out, 124);                                     // header size
    Put32(out, 0x1 | 0x2 | 0x4 | 0x1000 | 0x80000);      // caps, height, width, pixel format, linear size
    Put32(out, height);
    Put32(out, width);
    Put32(out, (width / 4) * (height / 4) * 8);          // linear size of the top level
    Put32(out, 0);                                       // depth
    Put32(out, 0);                                       // mipmap count
    for (int i = 0; i < 11; ++i) Put32(out, 0);          // reserved
    Put32(out, 32);                                      // pixel format size
    Put32(out, 0x4);                                     // four-character code present
    PutTag(out, "DXT1");
    for (int i = 0; i < 5; ++i) Put32(out, 0);           // bit count and masks
    Put32(out, 0x1000);                                  // caps: texture
    for (int i = 0; i < 4; ++i) Put32(out, 0);           // caps2..4, reserved
    // One 4x4 block per step: a colour pair along a gradient, with a diagonal index pattern.
    for (uint32_t by = 0; by < height / 4; ++by) {
        for (uint32_t bx = 0; bx < width / 4; ++bx) {
            const unsigned r = 255 * bx / (width / 4);
            const unsigned g = 255 * by / (height / 4);
            uint16_t c0 = Rgb565(r, g, 200);
            uint16_t c1 = Rgb565(r / 2, g / 2, 40);
            if (c0 <= c1) c0 = uint16_t(c1 + 1);         // c0 > c1: four-colour block
            Put16(out, c0);
            Put16(out, c1);
            Put32(out, 0x1B1B1B1Bu ^ (bx * 0x01010101u));
        }
    }
    return out;
}

std::vector<uint8_t> MakeTgaTexture(uint16_t width, uint16_t height) {
    std::vector<uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0};  // no id, no colour map, true colour
    Put16(out, 0);                                         // x origin
    Put16(out, 0);                                         // y origin
    Put16(out, width);
    Put16(out, height);
    out.push_back(24);                                     // bits per pixel
    out.push_back(0);                                      // bottom-up, no alpha
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            const bool check = ((x / 8) + (y / 8)) % 2 == 0;
            out.push_back(uint8_t(check ? 255 * y / height : 40));  // blue
            out.push_back(uint8_t(check ? 180 : 255 * x / width));   // green
            out.push_back(uint8_t(check ? 60 : 220));                // red
        }
    }
    return out;
}

std::vector<uint8_t> MakeWavSound(uint32_t sampleRate, uint32_t sampleCount) {
    std::vector<uint8_t> out;
    const uint32_t dataSize = sampleCount * 2;
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);               // PCM
    Put16(out, 1);               // mono
    Put32(out, sampleRate);
    Put32(out, sampleRate * 2);  // bytes per second
    Put16(out, 2);               // block align
    Put16(out, 16);              // bits per sample
    PutTag(out, "data");
    Put32(out, dataSize);
    const double pi = 3.14159265358979323846;
    for (uint32_t i = 0; i < sampleCount; ++i) {
        // A 440 Hz tone that fades out.
        const double fade = 1.0 - double(i) / sampleCount;
        const double sample = 12000.0 * fade * std::sin(2 * pi * 440.0 * i / sampleRate);
        Put16(out, uint16_t(int16_t(std::lround(sample))));
    }
    return out;
}

std::vector<TestEntry> SampleArchiveEntries() {
    std::string longText;
    for (int i = 1; i <= 400; ++i)
        longText += "ObjectTemplate.create SimpleObject sample_object_" + std::to_string(i) + "\r\n"
                    "ObjectTemplate.geometry sample_geometry_" + std::to_string(i % 7) + "\r\n";
    return {
        TestEntry::FromText("readme.txt", "A file at the top level of the archive: it is in no folder.\r\n"),
        TestEntry::FromText("bf1942/levels/Wake/init.con",
                            "rem Sample level settings\r\nGame.setNumberOfTickets 1 150\r\nGame.setNumberOfTickets 2 150\r\n"),
        TestEntry::FromText("bf1942/levels/Wake/Conquest/objectSpawns.con", longText),
        TestEntry::FromText("bf1942/levels/Wake/Info/wake.desc", "<levelDesc>A small island in the Pacific.</levelDesc>\r\n"),
        TestEntry::FromText("Objects/Vehicles/jeep.con", "ObjectTemplate.create PlayerControlObject Jeep\r\n"),
        TestEntry::FromText("objects/Vehicles/tank.con", "ObjectTemplate.create PlayerControlObject Tank\r\n"),
        TestEntry::FromText("objects/weapons.con", "ObjectTemplate.create GenericFireArm Rifle\r\n"),
        TestEntry::FromData("textures/grass.dds", MakeDdsTexture(64, 64)),
        TestEntry::FromData("textures/sky.tga", MakeTgaTexture(64, 32)),
        TestEntry::FromData("sound/beep.wav", MakeWavSound(11025, 5512)),
        TestEntry::FromData("sound/empty.raw", {}),
    };
}

}  // namespace rfa_test
