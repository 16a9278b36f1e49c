#pragma once
// The geometry of the framed panel: the area inside its borders, the edge a bottom- or
// right-aligned panel keeps when it is resized, the strips repainted after a resize, the grid
// and the caption's vertical place.

#include <vector>

#include "classlib/core/AlignLayout.h"
#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

enum class TMwGridStyle { Dots, DottedLines, SolidLines };

namespace mw {

// A panel's frame: the outer border, the band of borderWidth pixels and the inner border,
// each on the chosen sides; fsStatus and fsPopup are bevelWidth wide.
struct TPanelBorders {
    TFrameStyle outer = TFrameStyle::Raised;
    TFrameStyle inner = TFrameStyle::None;
    TSides sides = sdAll;
    int borderWidth = 0;
    int bevelWidth = 1;
};

// With the band, all four sides move in by borderWidth (the band is drawn on the chosen sides
// only, but it always reserves its room); then the outer and the inner border widths on the
// chosen sides.
cl::TRect AdjustRectForBorders(const cl::TRect& r, const TPanelBorders& borders, bool includeBand);

// The bounds a panel takes for the wanted ones: aligned to the bottom it keeps its bottom edge
// when its height changes, aligned to the right its right edge when its width changes.
cl::TRect AnchoredBounds(cl::TAlign align, const cl::TRect& current, const cl::TRect& wanted);

// What to invalidate after a resize from the old to the new size: the whole panel, or only
// the strips of the right and bottom borders, old and new.
struct TResizeRepaint {
    bool whole = false;
    std::vector<cl::TRect> strips;
};
TResizeRepaint ResizeRepaintAreas(bool fullRepaint, bool hasCaption, const TPanelBorders& borders, int oldWidth,
                                  int oldHeight, int newWidth, int newHeight);

// Lines run from `from` up to, not including, `to`; pixels are single points.
struct TLine {
    cl::TPoint from;
    cl::TPoint to;
    bool operator==(const TLine& o) const { return from == o.from && to == o.to; }
};
struct TStrokes {
    std::vector<TLine> lines;
    std::vector<cl::TPoint> pixels;
};

// The grid in r: a point or line at every xSize-th column and ySize-th row, the last pixel of
// each cell; a size of 0 gives no columns (or rows).
TStrokes PlanGrid(const cl::TRect& r, TMwGridStyle style, int xSize, int ySize);

// The caption's rectangle for a text textHeight high in r: top, centred or bottom.
cl::TRect PlaceCaption(const cl::TRect& r, int textHeight, TAlignmentVertical alignment);

}  // namespace mw
