#pragma once
// Reads the ten standard version strings of a file (by default the program itself) and tells
// the version panes that show them whenever it reads them again.

#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Component.h"
#include "controls/foundation/FrameModel.h"

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

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // Empty means the program's own file; reading fills in its path.
    const std::string& FilePath() const { return filePath_; }
    // Outside loading, reads the new file's strings and tells the panes.
    virtual void SetFilePath(const std::string& path);
    // "Value Not Available" when the file has no version information; empty when it lacks
    // this one string.
    const std::string& GetValue(TMwVersionInfoField field) const { return values_[static_cast<size_t>(field)]; }
    bool HasVersionInfo() const { return hasVersionInfo_; }

    void Loaded() override;

    // The panes that show a field of this component; each is told when the strings are read.
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
