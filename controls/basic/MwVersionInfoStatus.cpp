#include "controls/basic/MwVersionInfoStatus.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"

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

TMwVersionInfoStatus::~TMwVersionInfoStatus() {
    if (versionInfo_) versionInfo_->UnregisterPane(this);
}

void TMwVersionInfoStatus::SetVersionInfo(TMwVersionInfo* info) {
    if (info == versionInfo_) return;
    if (versionInfo_) {
        versionInfo_->UnregisterPane(this);
        RemoveFreeNotification(versionInfo_);
    }
    versionInfo_ = info;
    if (!info) return;
    info->RegisterPane(this);
    FreeNotification(info);
    UpdateFromVersionInfo();
}

void TMwVersionInfoStatus::SetField(TMwVersionInfoField field) {
    field_ = field;
    UpdateFromVersionInfo();
}

void TMwVersionInfoStatus::SetFieldLabel(const std::string& v) {
    if (v == fieldLabel_) return;
    fieldLabel_ = v;
    Invalidate();
    AdjustWidth();
}

void TMwVersionInfoStatus::UpdateFromVersionInfo() {
    if (versionInfo_) ChangePaneCaption(versionInfo_->GetValue(field_));
}

void TMwVersionInfoStatus::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomStatusPane::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == versionInfo_) versionInfo_ = nullptr;
}

int TMwVersionInfoStatus::LabelWidth() { return TextWidth(fieldLabel_); }

int TMwVersionInfoStatus::GetAutoWidth() {
    if (fieldLabel_.empty()) return TMwCustomStatusPane::GetAutoWidth();
    return LabelWidth() + TMwCustomStatusPane::GetAutoWidth() + 2 * CaptionOffset();
}

cl::TRect TMwVersionInfoStatus::GetTextRect() {
    cl::TRect r = TMwCustomStatusPane::GetTextRect();
    if (!fieldLabel_.empty()) r.left += LabelWidth() + 2 * CaptionOffset();
    return r;
}

void TMwVersionInfoStatus::DrawCaption(cl::TCanvas& canvas, const std::string& text) {
    TMwCustomStatusPane::DrawCaption(canvas, text);
    if (fieldLabel_.empty()) return;
    cl::TRect r = TMwCustomStatusPane::GetTextRect();
    r.right = r.left + LabelWidth() + CaptionOffset() + 2;
    HDC dc = canvas.Handle();
    cl::TSelectObject selectFont(dc, canvas.Font().Handle());
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int y = CaptionTop(canvas, r);
    bool transparent = Themed();
    if (!Enabled()) {
        DrawTextClipped(dc, r, r.left + CaptionOffset() + 2, y + 1, fieldLabel_, cl::clBtnHighlight, transparent, FillColor());
        transparent = true;
    }
    DrawTextClipped(dc, r, r.left + CaptionOffset() + 1, y, fieldLabel_, fieldLabelColor_, transparent, FillColor());
    SetTextAlign(dc, oldAlign);
}
