#include "controls/shell/MwPidlList.h"

#include <algorithm>
#include <string>

#include "classlib/core/Exception.h"
#include "controls/shell/PidlLayout.h"
#include "controls/shell/ShellPidl.h"

TMwPidlList::~TMwPidlList() { Clear(); }

int TMwPidlList::Compare(LPCITEMIDLIST entry, LPCITEMIDLIST key) const {
    if (shellFolder_) {
        const HRESULT result = shellFolder_->CompareIDs(0, entry, key);
        // A failed comparison has no order; the bytes give a consistent one.
        if (SUCCEEDED(result)) return mw::CompareIdsResult(result);
    }
    return mw::ComparePidlBytes(mw::PidlBytes(entry), mw::PidlBytes(key));
}

void TMwPidlList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw cl::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TMwPidlList::AddObject(LPITEMIDLIST pidl, void* object) {
    if (!sorted_) {
        entries_.push_back({pidl, object});
        return Count() - 1;
    }
    int index = 0;
    if (Find(pidl, index)) {
        if (duplicates_ == TMwDuplicates::dupIgnore) return index;
        if (duplicates_ == TMwDuplicates::dupError) throw cl::EListError("TMwPidlList: Duplicate PIDL");
    }
    entries_.insert(entries_.begin() + index, TEntry{pidl, object});
    return index;
}

bool TMwPidlList::Find(LPCITEMIDLIST pidl, int& index) const {
    const mw::TSortedSearchResult result =
        mw::FindSorted(Count(), [&](int i) { return Compare(entries_[i].pidl, pidl); }, duplicates_);
    index = result.index;
    return result.found;
}

int TMwPidlList::IndexOf(LPCITEMIDLIST pidl) const {
    if (sorted_) {
        int index = 0;
        return Find(pidl, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (Compare(entries_[i].pidl, pidl) == 0) return i;
    }
    return -1;
}

void TMwPidlList::Delete(int index) {
    CheckIndex(index);
    const LPITEMIDLIST pidl = entries_[index].pidl;
    entries_.erase(entries_.begin() + index);
    if (malloc_ && pidl) malloc_->Free(pidl);
}

void TMwPidlList::Clear() {
    std::vector<TEntry> entries;
    entries.swap(entries_);
    if (!malloc_) return;
    for (const TEntry& entry : entries) {
        if (entry.pidl) malloc_->Free(entry.pidl);
    }
}

void TMwPidlList::Sort() {
    // A merge sort: it stays within the list even if a folder's order is not consistent.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [this](const TEntry& a, const TEntry& b) { return Compare(a.pidl, b.pidl) < 0; });
}

void TMwPidlList::SetCapacity(int capacity) {
    if (capacity < Count()) throw cl::EListError("List capacity out of bounds (" + std::to_string(capacity) + ")");
    entries_.reserve(static_cast<size_t>(capacity));
}

LPITEMIDLIST TMwPidlList::Pidls(int index) const {
    CheckIndex(index);
    return entries_[index].pidl;
}

void* TMwPidlList::Objects(int index) const {
    CheckIndex(index);
    return entries_[index].object;
}

void TMwPidlList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

