#pragma once
// The bitmap and gradient routines behind the library's painted surfaces: two-colour gradients
// in ten directions, block replication and mirroring, vertical flipping and transparent
// copies of bitmaps.

#include <windows.h>

#include <cstdint>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/GradientBands.h"
#include "controls/foundation/MemoryBitmap.h"

namespace mw {

// Gradient directions of PaintGradient.
enum TGradientDirection : int {
    gdDiagonal = 0,          // first colour top left, second bottom right
    gdDiagonalOther = 1,     // second colour top right, first bottom left
    gdVertical = 2,          // first colour at the top, second at the bottom
    gdVerticalMirror = 3,    // second colour in the middle row, first at the top and the bottom
    gdBoxWide = 4,           // box with a plateau a quarter of the width wide on each side of the centre
    gdHorizontal = 5,        // first colour at the left, second at the right
    gdHorizontalMirror = 6,  // second colour in the middle column, first at the left and the right
    gdBoxTall = 7,           // box with a plateau a quarter of the height high
    gdBox = 8,               // box: second colour in the centre, first at the edges
    gdBoxLarge = 9,          // box with both plateaus
};

void FillSolid(HDC dc, const cl::TRect& r, cl::TColor color);

// Paints the gradient into an off-screen bitmap of the rectangle's size and copies that to the
// canvas at the rectangle's top-left. reduction makes bands at least that many steps long (above
// 8: about that many colours).
void PaintGradient(cl::TCanvas& canvas, const cl::TRect& r, int direction, cl::TColor first, cl::TColor second,
                   uint8_t reduction);

// A straight gradient in a strip kGradientStripWidth wide across the axis, at (0, 0) of dc.
void FillGradient(HDC dc, TGradientAxis axis, int split, int extent, cl::TColor first, cl::TColor second,
                  uint8_t reduction);
// The top-left quadrant of a box gradient at (0, 0) of dc.
void FillGradientBox(HDC dc, int width, int height, int insetX, int insetY, cl::TColor first, cl::TColor second,
                     uint8_t reduction);
// A negative width draws the other diagonal.
void FillGradientDiagonal(HDC dc, int width, int height, cl::TColor first, cl::TColor second, uint8_t reduction);

// Replicates the block drawn at (x, y) over the total area by doubling copies.
void TileBlit(HDC dc, int x, int y, DWORD rop, int filledHeight, int filledWidth, int totalHeight, int totalWidth);
// Mirrors the top half of the area at (x, y) onto its bottom half, then the left half onto the
// right half; an odd middle row or column stays as it is.
void MirrorBlit(HDC dc, int x, int y, DWORD rop, int height, int width);

// Turns the bitmap upside down in place.
void FlipBitmapVertically(TMemoryBitmap& bitmap);

// Stretches the source part of the image in sourceDc into the destination, leaving the pixels
// of the transparent colour out.
void BlitTransparentBitmap(cl::TCanvas& canvas, HDC sourceDc, const cl::TRect& destination,
                           cl::TColor transparentColor, const cl::TRect& source);

}  // namespace mw
