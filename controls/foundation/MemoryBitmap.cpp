#include "controls/foundation/MemoryBitmap.h"

#include <algorithm>
#include <utility>

namespace mw {

namespace {

HBITMAP CompatibleBitmap(HDC dc, int width, int height) {
    if (dc) return CreateCompatibleBitmap(dc, width, height);
    const cl::TScreenDC screen;
    return CreateCompatibleBitmap(screen.Handle(), width, height);
}

}  // namespace

TMemoryBitmap::TMemoryBitmap(HDC dc, int width, int height)
    : TMemoryBitmap(cl::TBitmapHandle(CompatibleBitmap(dc, std::max(width, 1), std::max(height, 1))), width, height) {}

TMemoryBitmap TMemoryBitmap::Monochrome(int width, int height) {
    return TMemoryBitmap(cl::TBitmapHandle(CreateBitmap(std::max(width, 1), std::max(height, 1), 1, 1, nullptr)), width,
                         height);
}

TMemoryBitmap::TMemoryBitmap(cl::TBitmapHandle bitmap, int width, int height)
    : dc_(CreateCompatibleDC(nullptr)), bitmap_(std::move(bitmap)), width_(std::max(width, 1)), height_(std::max(height, 1)) {
    previous_ = SelectObject(dc_, bitmap_.Get());
}

TMemoryBitmap::TMemoryBitmap(TMemoryBitmap&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::move(other.bitmap_)),
      previous_(std::exchange(other.previous_, nullptr)),
      width_(other.width_),
      height_(other.height_) {}

TMemoryBitmap::~TMemoryBitmap() {
    if (!dc_) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

}  // namespace mw
