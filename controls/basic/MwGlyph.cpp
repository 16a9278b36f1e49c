#include "controls/basic/MwGlyph.h"

#include <cstring>
#include <utility>

#include "classlib/core/Exception.h"
#include "controls/foundation/MwGrafx.h"

namespace {

[[noreturn]] void InvalidBitmap() { throw cl::Exception("Bitmap image is not valid"); }

// Checks that the headers, the colour table and the pixel rows all lie inside the file
// before the system reads them.
const BITMAPINFO& CheckedBitmapFile(const std::vector<uint8_t>& file) {
    const uint64_t size = file.size();
    if (size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) InvalidBitmap();
    BITMAPFILEHEADER header;
    BITMAPINFOHEADER h;
    std::memcpy(&header, file.data(), sizeof(header));
    std::memcpy(&h, file.data() + sizeof(header), sizeof(h));
    if (header.bfType != 0x4D42 || h.biSize < sizeof(BITMAPINFOHEADER) || sizeof(BITMAPFILEHEADER) + uint64_t{h.biSize} > size)
        InvalidBitmap();
    const int bits = h.biBitCount;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes != 1 || h.biCompression != BI_RGB ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        InvalidBitmap();
    const uint64_t colors = bits <= 8 ? (h.biClrUsed ? uint64_t{h.biClrUsed} : uint64_t{1} << bits) : 0;
    if (bits <= 8 && colors > (uint64_t{1} << bits)) InvalidBitmap();
    if (sizeof(BITMAPFILEHEADER) + uint64_t{h.biSize} + colors * sizeof(RGBQUAD) > size) InvalidBitmap();
    const uint64_t stride = (uint64_t{static_cast<uint32_t>(h.biWidth)} * bits + 31) / 32 * 4;
    const uint64_t rows = h.biHeight < 0 ? -int64_t{h.biHeight} : int64_t{h.biHeight};
    if (uint64_t{header.bfOffBits} + stride * rows > size) InvalidBitmap();
    return *reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
}

}  // namespace

void TMwGlyph::Take(cl::TBitmapHandle bitmap) {
    BITMAP info = {};
    if (bitmap) GetObjectA(bitmap.Get(), sizeof(info), &info);
    bitmap_ = std::move(bitmap);
    width_ = info.bmWidth;
    height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    OnChange(this);
}

void TMwGlyph::Assign(HBITMAP bitmap) {
    if (!bitmap) {
        file_.clear();
        Take(cl::TBitmapHandle());
        return;
    }
    BITMAP info = {};
    GetObjectA(bitmap, sizeof(info), &info);
    HDC source = CreateCompatibleDC(nullptr);
    {
        cl::TSelectObject select(source, bitmap);
        AssignPart(source, {0, 0, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight});
    }
    DeleteDC(source);
}

void TMwGlyph::AssignPart(HDC source, const cl::TRect& part) {
    file_.clear();
    cl::TBitmapHandle copy(CreateCompatibleBitmap(cl::TScreenDC().Handle(), part.Width(), part.Height()));
    HDC target = CreateCompatibleDC(nullptr);
    {
        cl::TSelectObject select(target, copy.Get());
        BitBlt(target, 0, 0, part.Width(), part.Height(), source, part.left, part.top, SRCCOPY);
    }
    DeleteDC(target);
    Take(std::move(copy));
}

void TMwGlyph::LoadFromBitmapFile(const std::vector<uint8_t>& file) {
    const BITMAPINFO& info = CheckedBitmapFile(file);
    BITMAPFILEHEADER header;
    std::memcpy(&header, file.data(), sizeof(header));
    cl::TBitmapHandle bitmap(
        CreateDIBitmap(cl::TScreenDC().Handle(), &info.bmiHeader, CBM_INIT, file.data() + header.bfOffBits, &info, DIB_RGB_COLORS));
    if (!bitmap) InvalidBitmap();
    Take(std::move(bitmap));
    file_ = file;
}

void TMwGlyph::Draw(cl::TCanvas& canvas, const cl::TRect& dest, const cl::TRect& source) const {
    if (!bitmap_) return;
    HDC glyphDc = CreateCompatibleDC(canvas.Handle());
    {
        cl::TSelectObject select(glyphDc, bitmap_.Get());
        const cl::TColor transparent = static_cast<cl::TColor>(GetPixel(glyphDc, 0, height_ - 1));
        mw::BlitTransparentBitmap(canvas, glyphDc, dest, transparent, source);
    }
    DeleteDC(glyphDc);
}
