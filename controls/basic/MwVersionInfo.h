#pragma once
// Reads the ten standard version strings of a file (by default the program itself) and tells
// the version panes that show them.

#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Component.h"

enum class TMwVersionInfoField {
    CompanyName, FileDescription, FileVersion, InternalName, Copyright,
    Trademarks, OriginalFilename, ProductName, ProductVersion, Comments
};
namespace mw {
extern const cl::TEnumNames kVersionInfoFieldNames;
}

class TMwVersionInfoStatus;

class TMwVersionInfo : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwVersionInfo(cl::TComponent* owner);
    ~TMwVersionInfo() override;

    // Empty means the program's own file.
    const std::string& FilePath() const { return filePath_; }
    void SetFilePath(const std::string& path);
    const std::string& Value(TMwVersionInfoField field) const { return values_[static_cast<size_t>(field)]; }
    bool HasVersionInfo() const { return hasVersionInfo_; }

    void Loaded() override;

    void RegisterPane(TMwVersionInfoStatus* pane);
    void UnregisterPane(TMwVersionInfoStatus* pane);

private:
    void LoadVersionStrings();
    void TellPanes();

    std::string filePath_;
    std::vector<std::string> values_;
    bool hasVersionInfo_ = false;
    std::vector<TMwVersionInfoStatus*> panes_;
};

