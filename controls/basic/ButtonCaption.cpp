#include "controls/basic/ButtonCaption.h"

namespace mw {

namespace {
// Halves rounded toward minus infinity, so that a caption taller than its rectangle is
// centred over it rather than thrown far off.
int HalfDown(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }
}  // namespace

cl::TRect PlaceCaptionVertically(const cl::TRect& r, int textHeight, TAlignmentVertical alignment) {
    cl::TRect placed = r;
    switch (alignment) {
        case TAlignmentVertical::Top:
            break;
        case TAlignmentVertical::Center:
            placed.top = HalfDown(r.top + r.bottom - textHeight);
            placed.bottom = placed.top + textHeight;
            break;
        case TAlignmentVertical::Bottom:
            placed.top = r.bottom - textHeight - 1;
            break;
    }
    return placed;
}

std::vector<TCaptionPass> CaptionPasses(const TCaptionStyle& s, const TCaptionColors& colors) {
    if (!s.enabled) return {{1, 1, cl::clBtnHighlight}, {0, 0, cl::clBtnShadow}};
    std::vector<TCaptionPass> passes;
    switch (s.style) {
        case TTextStyle::Raised:
        case TTextStyle::Recessed: {
            const bool raised = s.style == TTextStyle::Raised;
            const cl::TColor upper = raised ? colors.textHighlight : colors.textShadow;
            const cl::TColor lower = raised ? colors.textShadow : colors.textHighlight;
            if (!raised || !s.lightTextStyle) passes.push_back({1, 1, lower});
            if (raised || !s.lightTextStyle) passes.push_back({-1, -1, upper});
            break;
        }
        case TTextStyle::Shadow:
            passes.push_back({s.alignedRight ? 0 : s.shadowDepth, s.shadowDepth, colors.textShadow});
            break;
        case TTextStyle::Normal:
            break;
    }
    // Right-aligned text moves left by the shadow depth, leaving the shadow room at the right.
    passes.push_back({s.alignedRight ? -s.shadowDepth : 0, 0, colors.font});
    return passes;
}

}  // namespace mw
