#pragma once
// A status pane that shows a label (in its own colour) followed by one field of a
// TMwVersionInfo.

#include <string>

#include "controls/basic/MwStatusPane.h"
#include "controls/basic/MwVersionInfo.h"

class TMwVersionInfoStatus : public TMwCustomStatusPane {
    CL_CLASS_INFO()
public:
    explicit TMwVersionInfoStatus(cl::TComponent* owner);
    ~TMwVersionInfoStatus() override;

    TMwVersionInfo* VersionInfo() const { return versionInfo_; }
    // Leaves the old component and shows the field of the new one.
    virtual void SetVersionInfo(TMwVersionInfo* info);
    TMwVersionInfoField Field() const { return field_; }
    virtual void SetField(TMwVersionInfoField field);
    const std::string& FieldLabel() const { return fieldLabel_; }
    // The label's room is part of an auto-sized pane's width.
    virtual void SetFieldLabel(const std::string& v);
    cl::TColor FieldLabelColor() const { return fieldLabelColor_; }
    virtual void SetFieldLabelColor(cl::TColor v) { StoreAndInvalidate(fieldLabelColor_, v); }

    // Shows the value of Field from the version information, when there is one.
    void UpdateFromVersionInfo();

protected:
    // With a label, the value is drawn after it.
    int GetAutoWidth() override;
    cl::TRect GetTextRect() override;
    void DrawCaption(cl::TCanvas& canvas, const std::string& text) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    int LabelWidth();

    TMwVersionInfo* versionInfo_ = nullptr;
    TMwVersionInfoField field_ = TMwVersionInfoField::ProductVersion;
    std::string fieldLabel_;
    cl::TColor fieldLabelColor_ = cl::clHighlight;
};
