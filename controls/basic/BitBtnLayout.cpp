#include "controls/basic/BitBtnLayout.h"

namespace mw {

namespace {
cl::TRect Offset(const cl::TRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// The free space above a glyph stacked on a caption, shared out equally (rounded toward zero).
int StackOffset(const TBitBtnGeometry& g) { return (g.controlHeight - (g.glyphHeight + g.textHeight + g.spacing)) / 2; }
}  // namespace

cl::TRect BitBtnCaptionRect(const cl::TRect& captionRect, const TBitBtnGeometry& g) {
    cl::TRect r = captionRect;
    const int beside = g.margin + g.glyphWidth + g.spacing;
    const int above = g.margin + g.glyphHeight + g.spacing;
    switch (g.layout) {
        case TButtonLayout::GlyphLeft: r.left += beside; break;
        case TButtonLayout::GlyphRight: r.right -= beside; break;
        case TButtonLayout::GlyphTop:
            if (g.margin >= 0) {
                r.top += above;
            } else {
                r.top += StackOffset(g) + g.glyphHeight;
                r.bottom = r.top + g.textHeight;
            }
            break;
        case TButtonLayout::GlyphBottom:
            if (g.margin >= 0) {
                r.bottom -= above;
            } else {
                r.top += StackOffset(g);
                r.bottom = r.top + g.textHeight;
            }
            break;
    }
    return r;
}

cl::TRect BitBtnGlyphRect(const cl::TRect& captionRect, const TBitBtnGeometry& g, bool pressed, bool themed) {
    cl::TRect r = captionRect;
    if (pressed) r = Offset(r, -1, themed ? 0 : -1);
    if (g.margin >= 0) {
        switch (g.layout) {
            case TButtonLayout::GlyphLeft: r.left += g.margin; break;
            case TButtonLayout::GlyphRight: r.left = r.right - g.margin - g.glyphWidth; break;
            case TButtonLayout::GlyphTop: r.top += g.margin; break;
            case TButtonLayout::GlyphBottom: r.top = r.bottom - g.margin - g.glyphHeight; break;
        }
    } else {
        switch (g.layout) {
            case TButtonLayout::GlyphLeft: break;
            case TButtonLayout::GlyphRight: r.left = r.right - g.glyphWidth; break;
            case TButtonLayout::GlyphTop: r.top = StackOffset(g); break;
            case TButtonLayout::GlyphBottom: r.top += g.textHeight + StackOffset(g); break;
        }
    }
    if (g.layout == TButtonLayout::GlyphLeft || g.layout == TButtonLayout::GlyphRight)
        r.top += (r.bottom - r.top - g.glyphHeight + 1) / 2;
    else
        r.left += (r.right - r.left - g.glyphWidth + 1) / 2;
    r.right = r.left + g.glyphWidth;
    r.bottom = r.top + g.glyphHeight;
    return pressed ? Offset(r, themed ? 2 : 1, themed ? 0 : 1) : r;
}

int NumGlyphsForGlyph(int width, int height, int current) {
    if (height <= 0 || width % height != 0) return current;
    const int count = width / height;
    return count > 0 && count < 5 ? count : 1;
}

}  // namespace mw
