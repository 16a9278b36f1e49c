#include "controls/shell/ShellTreeDragState.h"

namespace mw {

void TDragScrollState::SetHover(uint32_t time, int width, int height) {
    hoverTime_ = time;
    hoverWidth_ = width;
    hoverHeight_ = height;
}

void TDragScrollState::Start(int x, int y, uint32_t now) {
    lastScroll_ = now;
    anchorX_ = x;
    anchorY_ = y;
    anchorTime_ = now;
    hoverSpent_ = false;
}

TScrollStep TDragScrollState::Scroll(int x, int y, int width, int height, uint32_t now) {
    TScrollStep step;
    // Unsigned difference: right across the tick counter's wrap.
    if (now - lastScroll_ <= kScrollInterval) return step;
    if (x < kHorizontalZone) step.horizontal = -1;
    else if (x > width - kHorizontalZone) step.horizontal = 1;
    if (y < kVerticalZone) step.vertical = -1;
    else if (y > height - kVerticalZone) step.vertical = 1;
    if (step.Any()) lastScroll_ = now;
    return step;
}

bool TDragScrollState::HoverDue(int x, int y, uint32_t now) {
    const bool inside = x >= anchorX_ - hoverWidth_ / 2 && x <= anchorX_ + hoverWidth_ &&
                        y >= anchorY_ - hoverHeight_ / 2 && y <= anchorY_ + hoverHeight_;
    if (!inside) {
        anchorX_ = x;
        anchorY_ = y;
        anchorTime_ = now;
        hoverSpent_ = false;
        return false;
    }
    if (hoverSpent_ || now - anchorTime_ <= hoverTime_) return false;
    hoverSpent_ = true;
    return true;
}

}  // namespace mw
