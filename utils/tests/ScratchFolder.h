#pragma once
// Test helpers: a uniquely named folder under the temporary folder that removes itself, file
// creation, and directory links.

#include <windows.h>

#include <string>

namespace ut_test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, without a trailing "\".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

private:
    std::string path_;
};

bool Exists(const std::string& path);
void MakeFolder(const std::string& path, DWORD attributes = 0);
void WriteTextFile(const std::string& path, const std::string& text, DWORD attributes = 0);

// Makes link a directory link (junction, or a host symbolic link under Wine, which reports it as
// a directory reparse point) to target. False when this platform cannot make one.
bool MakeDirectoryLink(const std::string& link, const std::string& target);

}  // namespace ut_test
