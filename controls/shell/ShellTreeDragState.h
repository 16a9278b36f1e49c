#pragma once
// The timing rules of a drag over the shell tree: scrolling when the pointer comes near an
// edge (at most one step per 100 ms), and expanding the node the pointer rests on.

#include <cstdint>

namespace mw {

struct TScrollStep {
    int horizontal = 0;  // -1 left, 1 right
    int vertical = 0;    // -1 up, 1 down
    bool Any() const { return horizontal != 0 || vertical != 0; }
};

class TDragScrollState {
public:
    static constexpr uint32_t kScrollInterval = 100;  // ms
    static constexpr int kHorizontalZone = 26;        // pixels from the left and right edges
    static constexpr int kVerticalZone = 20;          // pixels from the top and bottom edges

    // Hover settings: the time the pointer must rest, and the box it may move in meanwhile.
    void SetHover(uint32_t time, int width, int height);

    // A drag entered at (x, y) at time now (ms).
    void Start(int x, int y, uint32_t now);
    // The scroll step due for the point in a client area of that size; none when the last
    // step was taken 100 ms ago or less. A step taken counts from now.
    TScrollStep Scroll(int x, int y, int width, int height, uint32_t now);
    // True once when the pointer has rested inside the hover box around its anchor for longer
    // than the hover time; leaving the box moves the anchor there and starts the time afresh.
    bool HoverDue(int x, int y, uint32_t now);
    int AnchorX() const { return anchorX_; }
    int AnchorY() const { return anchorY_; }

private:
    uint32_t hoverTime_ = 400;
    int hoverWidth_ = 2;
    int hoverHeight_ = 2;
    uint32_t lastScroll_ = 0;
    int anchorX_ = 0;
    int anchorY_ = 0;
    uint32_t anchorTime_ = 0;
    bool hoverSpent_ = false;
};

}  // namespace mw
