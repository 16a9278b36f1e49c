#pragma once
// An ordered list of (PIDL, object) entries, optionally sorted, compared through a shell folder
// or byte by byte.

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "classlib/core/Object.h"
#include "controls/shell/SortedSearch.h"
#include "dragdrop/ComPtr.h"

using mw::TMwDuplicates;

class TMwPidlList : public cl::TObject {
public:
    TMwPidlList() = default;
    // Clear, so that a list with an allocator frees its PIDLs.
    ~TMwPidlList() override;
    TMwPidlList(const TMwPidlList&) = delete;
    TMwPidlList& operator=(const TMwPidlList&) = delete;

    // Stores the PIDL (not a copy) and returns its index. An unsorted list appends; a sorted
    // one inserts at its place, and for an equal entry dupIgnore returns that entry's index
    // without adding, dupError raises EListError "TMwPidlList: Duplicate PIDL" and dupAccept
    // inserts in front of the equal entries.
    virtual int Add(LPITEMIDLIST pidl) { return AddObject(pidl, nullptr); }
    virtual int AddObject(LPITEMIDLIST pidl, void* object);

    // A sorted list's search: found, and the index of the equal entry or of the key's place.
    bool Find(LPCITEMIDLIST pidl, int& index) const;
    // The first equal entry, -1 when none is.
    int IndexOf(LPCITEMIDLIST pidl) const;

    // Removes the entry; with an allocator the PIDL is freed. EListError for a bad index.
    void Delete(int index);
    void Clear();
    void Sort();

    int Count() const { return static_cast<int>(entries_.size()); }
    int Capacity() const { return static_cast<int>(entries_.capacity()); }
    // EListError below Count.
    void SetCapacity(int capacity);
    LPITEMIDLIST Pidls(int index) const;
    void* Objects(int index) const;

    bool Sorted() const { return sorted_; }
    // Turning sorting on sorts at once.
    void SetSorted(bool sorted);
    TMwDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TMwDuplicates duplicates) { duplicates_ = duplicates; }
    // When set, entries are compared with its CompareIDs; otherwise byte by byte.
    IShellFolder* ShellFolder() const { return shellFolder_.Get(); }
    void SetShellFolder(IShellFolder* folder) { shellFolder_ = dragdrop::TComPtr<IShellFolder>::Share(folder); }
    // When set, it frees each entry's PIDL as the entry goes; otherwise the PIDLs stay the
    // caller's.
    IMalloc* Malloc() const { return malloc_.Get(); }
    void SetMalloc(IMalloc* malloc) { malloc_ = dragdrop::TComPtr<IMalloc>::Share(malloc); }

private:
    struct TEntry {
        LPITEMIDLIST pidl;
        void* object;
    };

    int Compare(LPCITEMIDLIST entry, LPCITEMIDLIST key) const;
    void CheckIndex(int index) const;

    std::vector<TEntry> entries_;
    bool sorted_ = false;
    TMwDuplicates duplicates_ = TMwDuplicates::dupError;
    dragdrop::TComPtr<IShellFolder> shellFolder_;
    dragdrop::TComPtr<IMalloc> malloc_;
};
