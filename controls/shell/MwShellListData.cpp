#include "controls/shell/MwShellListData.h"

#include <shellapi.h>

#include "classlib/core/TextUtils.h"
#include "controls/shell/QuietErrors.h"
#include "controls/shell/ShellItemDetails.h"
#include "controls/shell/ShellStrRet.h"

namespace {

constexpr ULONG kListAttributes = 0x700F0037;

bool OnRemovableDrive(const std::string& path) {
    if (path.size() <= 3 || path[1] != ':' || IsDBCSLeadByte(static_cast<BYTE>(path[0]))) return false;
    return GetDriveTypeA(path.substr(0, 3).c_str()) == DRIVE_REMOVABLE;
}

}  // namespace

TMwShellListData::TMwShellListData(const TMwShellListFolder& owner, mw::TPidlPtr relIdList)
    : owner_(owner), relIdList_(std::move(relIdList)) {}

LPCITEMIDLIST TMwShellListData::AbsoluteIdList() {
    if (!absIdList_) absIdList_ = mw::ConcatPidls(nullptr, owner_.IdList(), relIdList_.get());
    return absIdList_.get();
}

ULONG TMwShellListData::Attributes() {
    ULONG attributes = kListAttributes;
    if (OnRemovableDrive(PathName())) attributes &= ~SFGAO_READONLY;
    LPCITEMIDLIST items[] = {relIdList_.get()};
    if (!owner_.Folder() || FAILED(owner_.Folder()->GetAttributesOf(1, items, &attributes))) return 0;
    return attributes;
}

bool TMwShellListData::IsLink() { return cl::SameText(cl::ExtractFileExt(PathName()), ".lnk"); }

const std::string& TMwShellListData::DisplayName() {
    if (!displayNameRead_) {
        SHFILEINFOA info{};
        if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(AbsoluteIdList()), 0, &info, sizeof info, SHGFI_DISPLAYNAME | SHGFI_PIDL))
            displayName_ = std::string(info.szDisplayName, strnlen(info.szDisplayName, sizeof info.szDisplayName));
        displayNameRead_ = true;
    }
    return displayName_;
}

std::string TMwShellListData::PathName() { return mw::PidlToPath(AbsoluteIdList()); }

void TMwShellListData::ReadDetails() {
    if (detailsRead_) return;
    const mw::TItemDetails details = mw::ReadItemDetails(AbsoluteIdList(), Attributes());
    sizeText_ = details.sizeText;
    typeText_ = details.typeText;
    modifiedText_ = details.modifiedText;
    detailsRead_ = true;
}

std::string TMwShellListData::ColumnText(int column) {
    if (column <= 0) return {};
    if (IShellDetails* details = owner_.Details()) {
        SHELLDETAILS text{};
        HRESULT result;
        {
            mw::TQuietErrors quiet;
            result = details->GetDetailsOf(relIdList_.get(), static_cast<UINT>(column), &text);
        }
        return SUCCEEDED(result) ? mw::StrRetToString(text.str, relIdList_.get()) : std::string();
    }
    ReadDetails();
    switch (column) {
        case 1: return sizeText_;
        case 2: return typeText_;
        case 3: return modifiedText_;
        default: return {};
    }
}

void TMwShellListData::SetRelIdList(mw::TPidlPtr relIdList) {
    relIdList_ = std::move(relIdList);
    ResetCache();
}

void TMwShellListData::ResetCache() {
    absIdList_.reset();
    displayName_.clear();
    displayNameRead_ = false;
    detailsRead_ = false;
}
