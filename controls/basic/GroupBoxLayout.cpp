#include "controls/basic/GroupBoxLayout.h"

namespace mw {

cl::TRect GroupBoxClientRect(const cl::TRect& r, TMwGroupBoxStyle style, int textHeight, int borderWidth) {
    cl::TRect result = r;
    if (style == TMwGroupBoxStyle::Custom) {
        result.top += textHeight;
        return Inset(result, 2, 2);
    }
    const int halfLine = textHeight / 2 - 1;
    result.top += halfLine < borderWidth ? halfLine : textHeight - borderWidth;
    const int inset = style == TMwGroupBoxStyle::Standard ? 2 : 1;
    return Inset(result, inset, inset);
}

cl::TRect GroupBoxCaptionRect(TMwGroupBoxStyle style, bool hasCaption, int textWidth, int textHeight, bool rightToLeft,
                              int boxWidth) {
    if (!hasCaption || style == TMwGroupBoxStyle::Custom) return {};
    const int inset = style == TMwGroupBoxStyle::TopLine ? 0 : 8;
    return cl::TRect::FromBounds(rightToLeft ? boxWidth - inset - textWidth : inset, 0, textWidth, textHeight);
}

TStrokes FlatGroupOutline(const cl::TRect& f) {
    TStrokes outline;
    outline.lines = {{{f.left, f.top + 2}, {f.left, f.bottom - 2}},
                     {{f.left + 2, f.top}, {f.right - 2, f.top}},
                     {{f.right - 1, f.top + 2}, {f.right - 1, f.bottom - 2}},
                     {{f.left + 2, f.bottom - 1}, {f.right - 2, f.bottom - 1}}};
    outline.pixels = {{f.left + 1, f.top + 1}, {f.right - 2, f.top + 1}, {f.right - 2, f.bottom - 2}, {f.left + 1, f.bottom - 2}};
    return outline;
}

}  // namespace mw
