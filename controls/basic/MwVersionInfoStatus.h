#pragma once
// A status pane that shows a label and one field of a TMwVersionInfo.

#include <string>

#include "controls/basic/MwStatusPane.h"
#include "controls/basic/MwVersionInfo.h"

class TMwVersionInfoStatus : public TMwCustomStatusPane {
    CL_CLASS_INFO()
public:
    explicit TMwVersionInfoStatus(cl::TComponent* owner);
    ~TMwVersionInfoStatus() override;

    TMwVersionInfo* VersionInfo() const { return versionInfo_; }
    void SetVersionInfo(TMwVersionInfo* info);
    TMwVersionInfoField Field() const { return field_; }
    void SetField(TMwVersionInfoField field);
    const std::string& FieldLabel() const { return fieldLabel_; }
    void SetFieldLabel(const std::string& v) { StoreAndInvalidate(fieldLabel_, v); }
    cl::TColor FieldLabelColor() const { return fieldLabelColor_; }
    void SetFieldLabelColor(cl::TColor v) { StoreAndInvalidate(fieldLabelColor_, v); }

    // Shows the value of Field from the version information.
    void UpdateFromVersionInfo();

protected:
    int GetAutoWidth() override;
    cl::TRect GetTextRect() override;
    void DrawCaption(HDC dc, const std::string& text) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    int LabelWidth();

    TMwVersionInfo* versionInfo_ = nullptr;
    TMwVersionInfoField field_ = TMwVersionInfoField::ProductVersion;
    std::string fieldLabel_;
    cl::TColor fieldLabelColor_ = cl::clHighlight;
};

