#include "controls/basic/MwVersionInfo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/MwVersionInfoStatus.h"

using namespace mw;

const cl::TEnumNames mw::kVersionInfoFieldNames{{{"vifCompanyName", 0}, {"vifFileDescription", 1}, {"vifFileVersion", 2},
                                                 {"vifInternalName", 3}, {"vifCopyright", 4}, {"vifTrademarks", 5},
                                                 {"vifOriginalFilename", 6}, {"vifProductName", 7},
                                                 {"vifProductVersion", 8}, {"vifComments", 9}}};

namespace {

// In the order of TMwVersionInfoField.
const char* const kVersionKeys[] = {"CompanyName",     "FileDescription", "FileVersion",      "InternalName",
                                    "LegalCopyright",  "LegalTrademarks", "OriginalFilename", "ProductName",
                                    "ProductVersion",  "Comments"};

const char kNotAvailable[] = "Value Not Available";

// "lllLcccc" of the first language and code page of the version information, or empty.
std::string TranslationName(const void* data) {
    void* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data, "\\VarFileInfo\\Translation", &translation, &length) || length < 2 * sizeof(WORD))
        return std::string();
    const WORD* words = static_cast<const WORD*>(translation);
    char text[16];
    std::snprintf(text, sizeof(text), "%.4x%.4x", words[0], words[1]);
    return text;
}

}  // namespace

const cl::TClassInfo& TMwVersionInfo::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwVersionInfo>("TMwVersionInfo", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &TMwVersionInfo::About, &TMwVersionInfo::SetAbout, kAboutInfoNames)
                                 .Str("FilePath", &TMwVersionInfo::FilePath, &TMwVersionInfo::SetFilePath)
                                 .Build();
    return *info;
}

TMwVersionInfo::TMwVersionInfo(cl::TComponent* owner) : cl::TComponent(owner) { LoadVersionStrings(); }

void TMwVersionInfo::SetFilePath(const std::string& path) {
    if (path == filePath_) return;
    filePath_ = path;
    if (IsLoading()) return;
    LoadVersionStrings();
    TellPanes();
}

void TMwVersionInfo::Loaded() {
    cl::TComponent::Loaded();
    LoadVersionStrings();
    TellPanes();
}

void TMwVersionInfo::LoadVersionStrings() {
    if (filePath_.empty()) {
        char path[261] = "";
        GetModuleFileNameA(nullptr, path, sizeof(path));
        filePath_ = path;
    }
    constexpr size_t kCount = std::size(kVersionKeys);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(filePath_.c_str(), &ignored);
    std::vector<char> data(size);
    // A file whose version information cannot be read after all counts as one without.
    hasVersionInfo_ = size != 0 && GetFileVersionInfoA(filePath_.c_str(), 0, size, data.data());
    if (!hasVersionInfo_) {
        values_.assign(kCount, kNotAvailable);
        return;
    }
    const std::string base = "StringFileInfo\\" + TranslationName(data.data()) + "\\";
    std::vector<std::string> values(kCount);
    for (size_t i = 0; i < kCount; ++i) {
        void* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(data.data(), (base + kVersionKeys[i]).c_str(), &value, &length) && value && length > 0)
            values[i].assign(static_cast<const char*>(value), strnlen(static_cast<const char*>(value), length));
    }
    values_ = std::move(values);
}

void TMwVersionInfo::TellPanes() {
    const auto panes = panes_;
    for (TMwVersionInfoStatus* pane : panes) pane->UpdateFromVersionInfo();
}

void TMwVersionInfo::RegisterPane(TMwVersionInfoStatus* pane) {
    if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) panes_.push_back(pane);
}

void TMwVersionInfo::UnregisterPane(TMwVersionInfoStatus* pane) {
    panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
}
