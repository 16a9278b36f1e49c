#pragma once
// A button's glyph: an owned bitmap holding one image or several side by side, drawn with the
// colour of its lower-left pixel left out.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/Object.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"

class TMwGlyph : public cl::TObject {
public:
    TMwGlyph() = default;
    TMwGlyph(const TMwGlyph&) = delete;
    TMwGlyph& operator=(const TMwGlyph&) = delete;

    HBITMAP Handle() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }

    // Takes a copy of the bitmap (none: the glyph becomes empty).
    void Assign(HBITMAP bitmap);
    // Takes a copy of part of what a device context shows.
    void AssignPart(HDC source, const cl::TRect& part);
    void Clear() { Assign(nullptr); }
    // A bitmap file as a form resource holds it (uncompressed, "BM" header); cl::Exception
    // "Bitmap image is not valid" when it is not one.
    void LoadFromBitmapFile(const std::vector<uint8_t>& file);
    // As a form resource property sets it: an empty file empties the glyph.
    void SetBitmapFile(const std::vector<uint8_t>& file) {
        if (file.empty()) Clear();
        else LoadFromBitmapFile(file);
    }
    // The bitmap file the glyph was last loaded from; empty when it came from elsewhere.
    const std::vector<uint8_t>& BitmapFile() const { return file_; }

    // Draws the source part of the bitmap into dest, without the pixels of the colour at the
    // lower-left corner of the bitmap.
    void Draw(cl::TCanvas& canvas, const cl::TRect& dest, const cl::TRect& source) const;

    cl::TNotifyEvent OnChange;

private:
    void Take(cl::TBitmapHandle bitmap);

    cl::TBitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> file_;
};
