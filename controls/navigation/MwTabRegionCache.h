#pragma once
// The polygon regions of tabs, kept by the tab's rectangle so that painting and hit-testing
// build each region once per layout. The newest region comes first; beyond the capacity the
// oldest ones are deleted.

#include <windows.h>

#include <memory>
#include <vector>

#include "classlib/core/Geometry.h"
#include "classlib/win/Handles.h"

// One cached region and the rectangle it was built for.
class TMwTabRegionCacheItem {
public:
    cl::TRect rect{-1, -1, -1, -1};
    HRGN Region() const { return region_.Get(); }
    // Takes the region over; the one held before is deleted.
    void SetRegion(HRGN region) {
        if (region != region_.Get()) region_.Reset(region);
    }

private:
    cl::TUniqueHandle<HRGN, cl::TGdiObjectTraits<HRGN>> region_;
};

class TMwTabRegionCache {
public:
    // -1 keeps every region (until the cache is cleared).
    static constexpr int kUnlimited = -1;

    int Capacity() const { return capacity_; }
    // cl::Exception for a capacity below -1 or 0.
    void SetCapacity(int capacity);
    int Count() const { return static_cast<int>(items_.size()); }
    // The region built for this rectangle, or none.
    HRGN Find(const cl::TRect& rect) const;
    // Takes the region over and puts it first.
    HRGN Add(const cl::TRect& rect, HRGN region);
    void Clear() { items_.clear(); }

private:
    void Trim();

    std::vector<std::unique_ptr<TMwTabRegionCacheItem>> items_;
    int capacity_ = 1;
};
