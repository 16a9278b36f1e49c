#include "controls/shell/tests/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

#include "controls/shell/ShellStartup.h"
#include "dragdrop/AnsiText.h"

namespace test {

namespace {

class ShellUnitsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { mw::InitializeShellUnits(); }
    void TearDown() override { mw::FinalizeShellUnits(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ShellUnitsEnvironment);

}  // namespace

mw::TPidlPtr PidlOfPath(const std::string& path) {
    mw::TPidlPtr pidl;
    mw::PathToPidl(path, pidl);
    return pidl;
}

mw::TPidlPtr ParseIn(IShellFolder* folder, const std::string& name) {
    std::u16string wide = dragdrop::AnsiToWide(name);
    wide.push_back(u'\0');
    ITEMIDLIST* parsed = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, reinterpret_cast<LPWSTR>(&wide[0]), nullptr, &parsed, nullptr)))
        return nullptr;
    return mw::AdoptPidl(parsed);
}

mw::TPidlPtr PidlOfBytes(const std::vector<uint8_t>& bytes) { return mw::PidlFromBytes(bytes.data(), bytes.size()); }

std::vector<uint8_t> BytesOf(LPCITEMIDLIST pidl) {
    const uint8_t* bytes = mw::PidlBytes(pidl);
    return std::vector<uint8_t>(bytes, bytes + mw::GetPidlSize(pidl));
}

void WriteFileOfSize(const std::string& path, size_t size) {
    std::ofstream file(path, std::ios::binary);
    file << std::string(size, 'x');
}

}  // namespace test
