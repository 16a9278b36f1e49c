#include "controls/shell/ShellDragRules.h"

namespace mw {

namespace {
constexpr uint32_t kAllButtons = 1 | 2 | 16;
}

uint32_t DragButtonBit(TShellDragButton button) {
    switch (button) {
    case TShellDragButton::Right: return 2;
    case TShellDragButton::Middle: return 16;
    case TShellDragButton::Left: break;
    }
    return 1;
}

TDragContinuation ContinueShellDrag(TShellDragButton button, bool escapePressed, uint32_t keyState) {
    const uint32_t dragging = DragButtonBit(button);
    if (escapePressed || (keyState & kAllButtons & ~dragging)) return TDragContinuation::Cancel;
    return (keyState & dragging) ? TDragContinuation::Continue : TDragContinuation::Drop;
}

}  // namespace mw
