#pragma once
// Where a bit button puts its glyph and its caption: the glyph sits Margin pixels in from the
// side the layout names (or, with a negative margin, glyph and caption are centred together),
// Spacing pixels from the caption, and centred across the layout's axis.

#include "classlib/core/Geometry.h"
#include "controls/basic/ButtonLayout.h"

namespace mw {

struct TBitBtnGeometry {
    TButtonLayout layout = TButtonLayout::GlyphLeft;
    int margin = 2;          // below 0: centre glyph and caption together
    int spacing = 4;
    int glyphWidth = 0;
    int glyphHeight = 0;
    int textHeight = 0;      // the measured caption; used only with a negative margin
    int controlHeight = 0;
};

// The caption's rectangle, made from the plain button's caption rectangle.
cl::TRect BitBtnCaptionRect(const cl::TRect& captionRect, const TBitBtnGeometry& g);

// The glyph's rectangle, made from the plain button's caption rectangle. When pressed, the
// glyph keeps the press offset that the caption rectangle carries and moves one more pixel
// right when themed.
cl::TRect BitBtnGlyphRect(const cl::TRect& captionRect, const TBitBtnGeometry& g, bool pressed, bool themed);

// How many images a new glyph holds: width / height when it is a whole number below 5, else
// 1; an empty glyph or one whose width is no multiple of its height keeps the current count.
int NumGlyphsForGlyph(int width, int height, int current);

}  // namespace mw
