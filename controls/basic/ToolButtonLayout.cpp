#include "controls/basic/ToolButtonLayout.h"

namespace mw {

namespace {

cl::TRect ContentRect(const TToolButtonFace& f) {
    cl::TRect r{0, 0, f.width, f.height};
    if (f.dropDown) r.right -= kToolButtonArrowWidth;
    return cl::TRect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

cl::TRect PressedOffset(const TToolButtonFace& f, cl::TRect r) {
    if (!f.pressed) return r;
    const int dy = f.themed ? 0 : 1;
    return cl::TRect{r.left + 1, r.top + dy, r.right + 1, r.bottom + dy};
}

// The free height above an image and caption stacked one over the other, halved.
int StackTop(const TToolButtonFace& f) { return (f.height - (f.textHeight + f.imageHeight + 4)) / 2; }

bool Stacked(TButtonLayout layout) { return layout == TButtonLayout::GlyphTop || layout == TButtonLayout::GlyphBottom; }

}  // namespace

cl::TRect ToolButtonImageRect(const TToolButtonFace& f) {
    cl::TRect r = ContentRect(f);
    switch (f.layout) {
        case TButtonLayout::GlyphLeft: r.left += 2; break;
        case TButtonLayout::GlyphRight: r.left = r.right - f.imageWidth - 2; break;
        case TButtonLayout::GlyphTop: r.top = StackTop(f); break;
        case TButtonLayout::GlyphBottom: r.top += f.textHeight + StackTop(f); break;
    }
    if (Stacked(f.layout)) r.left += (r.right - r.left - f.imageWidth) / 2;
    else r.top += (r.bottom - r.top - f.imageHeight) / 2;
    r.right = r.left + f.imageWidth;
    r.bottom = r.top + f.imageHeight;
    return PressedOffset(f, r);
}

cl::TRect ToolButtonCaptionRect(const TToolButtonFace& f) {
    cl::TRect r = ContentRect(f);
    if (f.hasImage) {
        switch (f.layout) {
            case TButtonLayout::GlyphLeft: r.left += f.imageWidth + 4; break;
            case TButtonLayout::GlyphRight: r.right -= f.imageWidth + 4; break;
            case TButtonLayout::GlyphTop:
                r.top += f.imageHeight + StackTop(f);
                r.bottom = r.top + f.textHeight;
                break;
            case TButtonLayout::GlyphBottom:
                r.top += StackTop(f);
                r.bottom = r.top + f.textHeight;
                break;
        }
    }
    return PressedOffset(f, r);
}

int DropDownMenuLeft(int buttonLeft, int buttonWidth, int menuWidth, int workAreaRight) {
    return workAreaRight < buttonLeft + menuWidth ? buttonLeft + buttonWidth - menuWidth : buttonLeft;
}

}  // namespace mw
