#include "app/archive/tests/TestFiles.h"

#include <fstream>
#include <algorithm>
#include <random>

namespace quillon::test {

TTempFolder::TTempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("quillon-archive-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, size_t maxBytes) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return {};
    std::vector<uint8_t> bytes(std::min<size_t>(size_t(file.tellg()), maxBytes));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<uint8_t> Pattern(size_t size, size_t start) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        const size_t n = start + i;
        bytes[i] = uint8_t(n * 7 + n / 251);
    }
    return bytes;
}

}  // namespace quillon::test
