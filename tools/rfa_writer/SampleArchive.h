#pragma once
// The sample archive that scripts/run-quillon opens: a few folders with text files (one folder
// spelled in two cases, and one file at the top level), a DXT1 DDS texture, a 24-bit TGA
// texture and a short 16-bit mono WAV sound, all generated in code.

#include <cstdint>
#include <vector>

#include "tools/rfa_writer/RfaWriter.h"

namespace rfa_test {

std::vector<uint8_t> MakeDdsTexture(uint32_t width, uint32_t height);  // DXT1; sides multiples of 4
std::vector<uint8_t> MakeTgaTexture(uint16_t width, uint16_t height);  // uncompressed, 24-bit
std::vector<uint8_t> MakeWavSound(uint32_t sampleRate, uint32_t sampleCount);  // 16-bit mono tone

std::vector<TestEntry> SampleArchiveEntries();

}  // namespace rfa_test
