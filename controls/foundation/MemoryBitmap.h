#pragma once
// An off-screen bitmap selected into its own memory device context, for drawing once and
// copying the result where it belongs.

#include <windows.h>

#include "classlib/win/Handles.h"

namespace mw {

class TMemoryBitmap {
public:
    // A bitmap compatible with dc (the screen when null), width x height pixels (at least 1 x 1).
    TMemoryBitmap(HDC dc, int width, int height);
    // A monochrome bitmap (masks).
    static TMemoryBitmap Monochrome(int width, int height);
    ~TMemoryBitmap();
    TMemoryBitmap(TMemoryBitmap&& other) noexcept;
    TMemoryBitmap(const TMemoryBitmap&) = delete;
    TMemoryBitmap& operator=(const TMemoryBitmap&) = delete;
    TMemoryBitmap& operator=(TMemoryBitmap&&) = delete;

    HDC DC() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    TMemoryBitmap(cl::TBitmapHandle bitmap, int width, int height);

    HDC dc_ = nullptr;
    cl::TBitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace mw
