#include "controls/shell/MwIdListArray.h"

#include "controls/shell/PidlLayout.h"

int TMwIdListArray::Count() const { return mw::PidlItemCount(mw::PidlBytes(pidl_)); }

LPCITEMIDLIST TMwIdListArray::Keep(mw::TPidlPtr pidl) {
    lastItem_ = std::move(pidl);
    return lastItem_.get();
}

LPCITEMIDLIST TMwIdListArray::ParentPidl(int levels) {
    const int count = Count();
    if (!pidl_ || levels < 0 || levels > count) return Keep(nullptr);
    const uint8_t* bytes = mw::PidlBytes(pidl_);
    return Keep(mw::PidlFromBytes(bytes, mw::PidlPrefixSize(bytes, count - levels) + mw::kPidlTerminatorSize));
}

LPCITEMIDLIST TMwIdListArray::Item(int index) {
    if (!pidl_ || index < 0) return Keep(nullptr);
    if (Count() == 0) return Keep(index == 0 ? mw::EmptyPidl() : nullptr);
    const uint8_t* item = mw::PidlItem(mw::PidlBytes(pidl_), index);
    if (!item) return Keep(nullptr);
    return Keep(mw::PidlFromBytes(item, mw::PidlItemSize(item) + mw::kPidlTerminatorSize));
}
