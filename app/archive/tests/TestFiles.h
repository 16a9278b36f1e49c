#pragma once
// Files for the archive tests: a temporary folder removed afterwards (under Wine it lies in
// the prefix's temporary folder) and whole-file reads.

#include <cstdint>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quillon::test {

class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The file's bytes (at most maxBytes of them); nothing when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path, size_t maxBytes = SIZE_MAX);
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);

// Deterministic filler bytes: byte i of a run is (i * 7 + i / 251) & 255, which repeats rarely.
std::vector<uint8_t> Pattern(size_t size, size_t start = 0);

}  // namespace quillon::test
