#include "controls/shell/MwShellLocator.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "controls/shell/PidlLayout.h"
#include "controls/shell/ShellFolders.h"

namespace {

mw::TPidlPtr CopyUnlessEmpty(LPCITEMIDLIST pidl) {
    return mw::GetPidlSize(pidl) > mw::kPidlTerminatorSize ? mw::CopyPidl(nullptr, pidl) : nullptr;
}

}  // namespace

const cl::TClassInfo& TMwShellLocator::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwShellLocator>("TMwShellLocator", cl::TPersistent::StaticClass()).Build();
    return *info;
}

void TMwShellLocator::Assign(const TMwShellLocator* source) {
    if (!source) {
        ClearIdList();
        return;
    }
    if (IsSameLocation(*source)) return;
    mw::TPidlPtr copy = source->kind_ == TMwLocatorKind::lkIdList ? CopyUnlessEmpty(source->idList_.get()) : nullptr;
    kind_ = source->kind_;
    folderId_ = source->kind_ == TMwLocatorKind::lkSpecialFolder ? source->folderId_ : mw::kNoSpecialFolder;
    idList_ = std::move(copy);
    Changed();
}

bool TMwShellLocator::IsSameLocation(const TMwShellLocator& other) const {
    if (kind_ != other.kind_) return false;
    if (this == &other) return true;
    if (kind_ == TMwLocatorKind::lkSpecialFolder) return folderId_ == other.folderId_;
    return mw::ComparePidls(idList_.get(), other.idList_.get()) == 0;
}

LPCITEMIDLIST TMwShellLocator::GetIdList() {
    if (kind_ == TMwLocatorKind::lkSpecialFolder && !idList_) {
        cl::TApplication* application = cl::Application();
        mw::SpecialFolderLocation(application ? application->Handle() : nullptr, folderId_, idList_);
    }
    return idList_.get();
}

void TMwShellLocator::SetIdList(LPCITEMIDLIST pidl) {
    bool changed;
    if (idList_) {
        // A comparison that fails cannot tell the two apart: the new list may differ.
        changed = kind_ == TMwLocatorKind::lkSpecialFolder || mw::ComparePidls(idList_.get(), pidl) != 0;
    } else {
        changed = kind_ == TMwLocatorKind::lkSpecialFolder || mw::GetPidlSize(pidl) > mw::kPidlTerminatorSize;
    }
    // Copied before the old list goes: the caller may pass the locator's own list.
    mw::TPidlPtr copy = CopyUnlessEmpty(pidl);
    kind_ = TMwLocatorKind::lkIdList;
    idList_ = std::move(copy);
    folderId_ = mw::kNoSpecialFolder;
    if (changed) Changed();
}

std::string TMwShellLocator::PathName() { return mw::PidlToPath(GetIdList()); }

bool TMwShellLocator::StoresPidl() const { return idList_ || kind_ == TMwLocatorKind::lkSpecialFolder; }

void TMwShellLocator::WritePidl(cl::TStream& stream) const {
    mw::TLocatorRecord record;
    record.kind = kind_;
    record.folderId = folderId_;
    if (kind_ == TMwLocatorKind::lkIdList && idList_) {
        const uint8_t* bytes = mw::PidlBytes(idList_.get());
        record.pidl.assign(bytes, bytes + mw::GetPidlSize(idList_.get()));
    }
    mw::WriteLocatorRecord(stream, record);
}

void TMwShellLocator::ReadPidl(cl::TStream& stream) {
    const mw::TLocatorRecord record = mw::ReadLocatorRecord(stream);
    mw::TPidlPtr pidl = record.pidl.size() > mw::kPidlTerminatorSize
                            ? mw::PidlFromBytes(record.pidl.data(), record.pidl.size())
                            : nullptr;
    kind_ = record.kind;
    folderId_ = record.kind == TMwLocatorKind::lkSpecialFolder ? record.folderId : mw::kNoSpecialFolder;
    idList_ = std::move(pidl);
}

bool TMwShellLocator::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "Pidl")) return cl::TPersistent::ReadExtraProperty(name, value);
    if (value.kind != cl::TValue::Kind::Binary) throw cl::EConvertError("Pidl expects binary data");
    cl::TMemoryStream stream(value.bytes);
    ReadPidl(stream);
    return true;
}
