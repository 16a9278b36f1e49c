#pragma once
// The 3-D caption of the library's buttons: where the measured caption sits in its rectangle,
// and the passes that draw it (a highlight and a shadow copy for raised and recessed text, a
// shadow for shadowed text, an embossed pair when disabled).

#include <vector>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// The caption rectangle for a caption textHeight high: at the top, centred (halves rounded
// down) or one pixel above the bottom of r.
cl::TRect PlaceCaptionVertically(const cl::TRect& r, int textHeight, TAlignmentVertical alignment);

struct TCaptionColors {
    cl::TColor font = cl::clWindowText;
    cl::TColor textHighlight = cl::clBtnHighlight;
    cl::TColor textShadow = cl::clBtnShadow;
};

struct TCaptionStyle {
    TTextStyle style = TTextStyle::Normal;
    bool lightTextStyle = false;  // raised keeps only its highlight, recessed only its lower copy
    bool enabled = true;
    bool alignedRight = false;    // the drawing flags hold DT_RIGHT
    int shadowDepth = 2;
};

// One drawing of the caption: in this colour, at the placed rectangle moved by (dx, dy).
struct TCaptionPass {
    int dx = 0;
    int dy = 0;
    cl::TColor color = cl::clBlack;
    bool operator==(const TCaptionPass& o) const { return dx == o.dx && dy == o.dy && color == o.color; }
};

// The passes in drawing order; the last one is the caption itself.
std::vector<TCaptionPass> CaptionPasses(const TCaptionStyle& style, const TCaptionColors& colors);

}  // namespace mw
