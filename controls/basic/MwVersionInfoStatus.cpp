#include "controls/basic/MwVersionInfoStatus.h"

#include "classlib/core/ClassBuilder.h"

using namespace mw;

const cl::TClassInfo& TMwVersionInfoStatus::StaticClass() {
    using V = TMwVersionInfoStatus;
    static const auto info = cl::TClassBuilder<V>("TMwVersionInfoStatus", TMwCustomStatusPane::StaticClass())
                                 .Creatable()
                                 .Ref<TMwVersionInfo>("VersionInfo", &V::VersionInfo, &V::SetVersionInfo)
                                 .Enum<TMwVersionInfoField>("Field", &V::Field, &V::SetField, kVersionInfoFieldNames)
                                 .Str("FieldLabel", &V::FieldLabel, &V::SetFieldLabel)
                                 .Color("FieldLabelColor", &V::FieldLabelColor, &V::SetFieldLabelColor)
                                 .Build();
    return *info;
}

TMwVersionInfoStatus::TMwVersionInfoStatus(cl::TComponent* owner) : TMwCustomStatusPane(owner) {}

TMwVersionInfoStatus::~TMwVersionInfoStatus() { SetVersionInfo(nullptr); }

void TMwVersionInfoStatus::SetVersionInfo(TMwVersionInfo* info) {
    if (info == versionInfo_) return;
    if (versionInfo_) {
        versionInfo_->UnregisterPane(this);
        RemoveFreeNotification(versionInfo_);
    }
    versionInfo_ = info;
    if (info) {
        info->RegisterPane(this);
        FreeNotification(info);
        UpdateFromVersionInfo();
    }
}

void TMwVersionInfoStatus::SetField(TMwVersionInfoField field) {
    field_ = field;
    UpdateFromVersionInfo();
}

void TMwVersionInfoStatus::UpdateFromVersionInfo() {
    if (versionInfo_) ChangePaneCaption(versionInfo_->Value(field_));
}

void TMwVersionInfoStatus::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomStatusPane::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == versionInfo_) versionInfo_ = nullptr;
}

int TMwVersionInfoStatus::LabelWidth() { return fieldLabel_.empty() ? 0 : TextWidth(fieldLabel_); }

int TMwVersionInfoStatus::GetAutoWidth() {
    if (fieldLabel_.empty()) return TMwCustomStatusPane::GetAutoWidth();
    return LabelWidth() + TMwCustomStatusPane::GetAutoWidth() + 2 * CaptionOffset();
}

cl::TRect TMwVersionInfoStatus::GetTextRect() {
    cl::TRect r = TMwCustomStatusPane::GetTextRect();
    if (!fieldLabel_.empty()) r.left += LabelWidth() + 2 * CaptionOffset();
    return r;
}

void TMwVersionInfoStatus::DrawCaption(HDC dc, const std::string& text) {
    TMwCustomStatusPane::DrawCaption(dc, text);
    if (fieldLabel_.empty()) return;
    cl::TRect r = TMwCustomStatusPane::GetTextRect();
    r.right = r.left + LabelWidth() + CaptionOffset() + 2;
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT);
    const int y = TextTop(dc, r);
    const RECT clip{r.left, r.top, r.right, r.bottom};
    SetBkColor(dc, cl::ColorToRGB(FillColor()));
    SetBkMode(dc, OPAQUE);
    if (!Enabled()) {
        SetTextColor(dc, cl::ColorToRGB(cl::clBtnHighlight));
        ExtTextOutA(dc, r.left + CaptionOffset() + 2, y + 1, ETO_CLIPPED, &clip, fieldLabel_.c_str(),
                    static_cast<UINT>(fieldLabel_.size()), nullptr);
        SetBkMode(dc, TRANSPARENT);
    }
    SetTextColor(dc, cl::ColorToRGB(fieldLabelColor_));
    ExtTextOutA(dc, r.left + CaptionOffset() + 1, y, ETO_CLIPPED, &clip, fieldLabel_.c_str(),
                static_cast<UINT>(fieldLabel_.size()), nullptr);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

