#pragma once
// Item-ID lists (PIDLs) in shell memory: allocation through the shell's task allocator, an
// owning pointer, and the size, copy, concatenation and comparison routines.

#include <windows.h>
#include <shlobj.h>

#include <cstddef>
#include <memory>

namespace mw {

// Frees a PIDL with the allocator that made it (nullptr: the shell's task allocator).
struct TPidlFree {
    IMalloc* allocator = nullptr;
    void operator()(ITEMIDLIST* pidl) const;
};
// An owned PIDL; nullptr is the missing list, which is not the desktop's empty list.
using TPidlPtr = std::unique_ptr<ITEMIDLIST, TPidlFree>;

// Through the shell's task allocator. ShellAlloc raises std::bad_alloc when it gets nothing;
// ShellFree(nullptr) does nothing.
void* ShellAlloc(size_t size);
void ShellFree(void* block);

// Adopts a PIDL the shell handed out.
inline TPidlPtr AdoptPidl(ITEMIDLIST* pidl) { return TPidlPtr(pidl); }

inline const uint8_t* PidlBytes(LPCITEMIDLIST pidl) { return reinterpret_cast<const uint8_t*>(pidl); }

// Items plus the 2-byte terminator; 0 for nullptr.
size_t GetPidlSize(LPCITEMIDLIST pidl);
// A fresh copy with a fresh terminator, made by allocator (nullptr: the shell's); nullptr for a
// missing list.
TPidlPtr CopyPidl(IMalloc* allocator, LPCITEMIDLIST pidl);
// The items of first followed by those of second under one terminator; a missing list adds no
// items, so two empty (or missing) lists give the empty list.
TPidlPtr ConcatPidls(IMalloc* allocator, LPCITEMIDLIST first, LPCITEMIDLIST second);
// A new list of the given bytes (items and terminator, as PidlSize counts them).
TPidlPtr PidlFromBytes(const uint8_t* bytes, size_t size);
// The desktop: the empty list.
TPidlPtr EmptyPidl();

// Missing and empty lists are compared by shape (both alike: 0, else -1); otherwise the
// desktop folder's CompareIDs, its low 16 bits as a signed number. When the desktop cannot be
// had or CompareIDs fails, kPidlsNotComparable (never equal).
constexpr int kPidlsNotComparable = 0x7FFFFFFF;
int ComparePidls(LPCITEMIDLIST a, LPCITEMIDLIST b);

}  // namespace mw
