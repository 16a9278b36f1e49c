#include "controls/navigation/MwTabRegionCache.h"

#include "classlib/core/Exception.h"

void TMwTabRegionCache::SetCapacity(int capacity) {
    if (capacity < kUnlimited || capacity == 0) throw cl::Exception("Capacity must be -1 (to cache all regions) or > 0");
    if (capacity == capacity_) return;
    capacity_ = capacity;
    Trim();
}

HRGN TMwTabRegionCache::Find(const cl::TRect& rect) const {
    for (const auto& item : items_)
        if (item->rect == rect) return item->Region();
    return nullptr;
}

HRGN TMwTabRegionCache::Add(const cl::TRect& rect, HRGN region) {
    auto item = std::make_unique<TMwTabRegionCacheItem>();
    item->rect = rect;
    item->SetRegion(region);
    items_.insert(items_.begin(), std::move(item));
    Trim();
    return region;
}

void TMwTabRegionCache::Trim() {
    if (capacity_ == kUnlimited) return;
    while (static_cast<int>(items_.size()) > capacity_) items_.pop_back();
}
