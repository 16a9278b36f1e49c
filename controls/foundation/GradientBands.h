#pragma once
// The geometry of the library's two-colour gradients, computed apart from any drawing: which
// area gets which colour, band by band. Colours step in 16.16 fixed point per channel; a band
// grows until its colour changes, and with a reduction it spans at least that many steps, which
// keeps the number of brushes and fills per gradient small.

#include <vector>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"

namespace mw {

enum class TGradientAxis { X, Y };

// The strip width (across the axis) in which straight gradients are computed before they are
// copied over the whole area.
constexpr int kGradientStripWidth = 8;

// A run of coordinates [from, to) along the gradient's axis in one colour.
struct TGradientSpan {
    int from = 0;
    int to = 0;
    cl::TColor color = 0;
    bool operator==(const TGradientSpan& o) const { return from == o.from && to == o.to && color == o.color; }
};

// The minimum number of steps per band for a reduction (reductions above 8 are a count of
// colours: 255 div reduction + 1 steps; the box gradient divides 256 instead).
int StraightGradientBandSteps(int reduction);
int BoxGradientBandSteps(int reduction);

// A straight gradient over [0, extent): without a split (split < 0) the first colour is at 0 and
// the second at extent - 1; with a split the second colour is at the split and the first colour
// at both ends.
std::vector<TGradientSpan> LinearGradientSpans(int split, int extent, cl::TColor first, cl::TColor second,
                                               int reduction);

struct TGradientFill {
    cl::TRect rect;
    cl::TColor color = 0;
};

// The top-left quadrant of a box gradient of width x height: concentric rectangles from the
// second colour in a plateau of the insets round the centre to the first colour at the edges.
// Mirroring the quadrant onto the other three completes the box.
std::vector<TGradientFill> BoxGradientQuadrant(int width, int height, int insetX, int insetY, cl::TColor first,
                                               cl::TColor second, int reduction);

// A band of a diagonal gradient: a four-point polygon in one colour.
struct TGradientPolygon {
    cl::TPoint points[4];
    cl::TColor color = 0;
};

// A diagonal gradient from the first colour in the top-left corner to the second colour in the
// bottom-right one. A negative width gives the other diagonal: the second colour in the top-right
// corner and the first in the bottom-left one.
std::vector<TGradientPolygon> DiagonalGradientBands(int width, int height, cl::TColor first, cl::TColor second,
                                                    int reduction);

// One block copy of a tiling: the block at (0, 0) of the given size goes to (x, y).
struct TBlockCopy {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TBlockCopy& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

// The copies that replicate a drawn block over the whole area by doubling: downward when the
// block is less high than the area, else to the right. The last copy is only as large as is left.
std::vector<TBlockCopy> TileCopies(int filledWidth, int filledHeight, int totalWidth, int totalHeight);

}  // namespace mw
