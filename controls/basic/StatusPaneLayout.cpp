#include "controls/basic/StatusPaneLayout.h"

namespace mw {

int PaneTextInset(TFrameStyle style, int borderWidth) {
    switch (style) {
        case TFrameStyle::Flat:
        case TFrameStyle::Status:
        case TFrameStyle::Popup: return borderWidth + 1;
        case TFrameStyle::None:
        case TFrameStyle::FlatBold: return borderWidth;
        default: return borderWidth + 2;
    }
}

int PaneAutoWidth(bool hasCaption, int captionWidth, int borderWidth, int captionOffset, int defaultWidth) {
    if (!hasCaption) return defaultWidth;
    return 2 * borderWidth + captionWidth + captionOffset + 6;
}

std::array<cl::TRect, 4> OpenCornerBoxLines(const cl::TRect& r) {
    return {cl::TRect{r.left, r.top + 1, r.left + 1, r.bottom - 1}, cl::TRect{r.left + 1, r.top, r.right - 1, r.top + 1},
            cl::TRect{r.right - 1, r.top + 1, r.right, r.bottom - 1},
            cl::TRect{r.left + 1, r.bottom - 1, r.right - 1, r.bottom}};
}

}  // namespace mw
