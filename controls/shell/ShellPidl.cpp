#include "controls/shell/ShellPidl.h"

#include <new>

#include "controls/shell/MwShellUtils.h"
#include "controls/shell/PidlLayout.h"
#include "dragdrop/ComPtr.h"

namespace mw {

namespace {

TPidlPtr Allocate(IMalloc* allocator, size_t size) {
    void* block = allocator ? allocator->Alloc(size) : ShellAlloc(size);
    if (!block) throw std::bad_alloc();
    return TPidlPtr(static_cast<ITEMIDLIST*>(block), TPidlFree{allocator});
}

uint8_t* MutableBytes(const TPidlPtr& pidl) { return reinterpret_cast<uint8_t*>(pidl.get()); }

}  // namespace

void TPidlFree::operator()(ITEMIDLIST* pidl) const {
    if (allocator) allocator->Free(pidl);
    else ShellFree(pidl);
}

void* ShellAlloc(size_t size) {
    IMalloc* malloc = GetShellMalloc();
    void* block = malloc ? malloc->Alloc(size) : nullptr;
    if (!block) throw std::bad_alloc();
    return block;
}

void ShellFree(void* block) {
    if (!block) return;
    if (IMalloc* malloc = GetShellMalloc()) malloc->Free(block);
    else CoTaskMemFree(block);  // the same task allocator, reached without its interface
}

size_t GetPidlSize(LPCITEMIDLIST pidl) { return PidlSize(PidlBytes(pidl)); }

TPidlPtr CopyPidl(IMalloc* allocator, LPCITEMIDLIST pidl) {
    if (!pidl) return TPidlPtr(nullptr, TPidlFree{allocator});
    const TPidlPart items{PidlBytes(pidl), PidlItemsSize(PidlBytes(pidl))};
    TPidlPtr copy = Allocate(allocator, ComposedPidlSize({items}));
    ComposePidl(MutableBytes(copy), {items});
    return copy;
}

TPidlPtr ConcatPidls(IMalloc* allocator, LPCITEMIDLIST first, LPCITEMIDLIST second) {
    const TPidlPart head{PidlBytes(first), PidlItemsSize(PidlBytes(first))};
    const TPidlPart tail{PidlBytes(second), PidlItemsSize(PidlBytes(second))};
    TPidlPtr joined = Allocate(allocator, ComposedPidlSize({head, tail}));
    ComposePidl(MutableBytes(joined), {head, tail});
    return joined;
}

TPidlPtr PidlFromBytes(const uint8_t* bytes, size_t size) {
    const TPidlPart items{bytes, size >= kPidlTerminatorSize ? size - kPidlTerminatorSize : 0};
    TPidlPtr pidl = Allocate(nullptr, ComposedPidlSize({items}));
    ComposePidl(MutableBytes(pidl), {items});
    return pidl;
}

TPidlPtr EmptyPidl() { return ConcatPidls(nullptr, nullptr, nullptr); }

int ComparePidls(LPCITEMIDLIST a, LPCITEMIDLIST b) {
    if (const std::optional<int> byShape = ComparePidlShapes(PidlBytes(a), PidlBytes(b))) return *byShape;
    dragdrop::TComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Receive())) || !desktop) return kPidlsNotComparable;
    const HRESULT result = desktop->CompareIDs(0, a, b);
    if (FAILED(result)) return kPidlsNotComparable;
    return CompareIdsResult(result);
}

}  // namespace mw
