#pragma once
// When a drag from the shell controls goes on, drops or is cancelled, by the mouse buttons
// held (the key-state bits of the drag loop: left 1, right 2, middle 16).

#include <cstdint>

namespace mw {

enum class TShellDragButton { Left = 0, Right = 1, Middle = 2 };
enum class TDragContinuation { Continue, Drop, Cancel };

// The key-state bit of the button.
uint32_t DragButtonBit(TShellDragButton button);

// Escape or any other mouse button cancels; the dragging button held goes on, released drops.
TDragContinuation ContinueShellDrag(TShellDragButton button, bool escapePressed, uint32_t keyState);

}  // namespace mw
