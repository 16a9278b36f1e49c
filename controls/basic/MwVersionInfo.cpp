#include "controls/basic/MwVersionInfo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/MwVersionInfoStatus.h"

using namespace mw;

const cl::TEnumNames mw::kVersionInfoFieldNames{{{"vifCompanyName", 0}, {"vifFileDescription", 1}, {"vifFileVersion", 2},
                                             {"vifInternalName", 3}, {"vifCopyright", 4}, {"vifTrademarks", 5},
                                             {"vifOriginalFilename", 6}, {"vifProductName", 7}, {"vifProductVersion", 8},
                                             {"vifComments", 9}}};

namespace {
const char* const kVersionKeys[] = {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                                    "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};
}

const cl::TClassInfo& TMwVersionInfo::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwVersionInfo>("TMwVersionInfo", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Str("FilePath", &TMwVersionInfo::FilePath, &TMwVersionInfo::SetFilePath)
                                 .Build();
    return *info;
}

TMwVersionInfo::TMwVersionInfo(cl::TComponent* owner) : cl::TComponent(owner) { LoadVersionStrings(); }

TMwVersionInfo::~TMwVersionInfo() {
    const auto panes = panes_;
    for (TMwVersionInfoStatus* pane : panes) pane->SetVersionInfo(nullptr);
}

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
        char path[MAX_PATH + 1] = "";
        GetModuleFileNameA(nullptr, path, sizeof(path));
        filePath_ = path;
    }
    values_.assign(std::size(kVersionKeys), std::string());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(filePath_.c_str(), &ignored);
    hasVersionInfo_ = size != 0;
    if (!hasVersionInfo_) {
        values_.assign(std::size(kVersionKeys), "Value Not Available");
        return;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(filePath_.c_str(), 0, size, data.data())) {
        values_.assign(std::size(kVersionKeys), "Value Not Available");
        return;
    }
    std::string language;
    void* translation = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &translation, &length) && length >= 4) {
        const WORD* words = static_cast<const WORD*>(translation);
        char text[16];
        std::snprintf(text, sizeof(text), "%.4x%.4x", words[0], words[1]);
        language = text;
    }
    const std::string base = "StringFileInfo\\" + language + "\\";
    for (size_t i = 0; i < std::size(kVersionKeys); ++i) {
        void* value = nullptr;
        if (VerQueryValueA(data.data(), (base + kVersionKeys[i]).c_str(), &value, &length) && value && length > 0)
            values_[i] = static_cast<const char*>(value);
    }
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

