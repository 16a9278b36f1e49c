#pragma once
// Drag types and drop effects: which effect a target reports for the keys held and the drag
// types it accepts, and when a drag near a control's edge should scroll it. Platform-free: the
// effect bits are the values OLE uses (DROPEFFECT_COPY, _MOVE, _LINK, _SCROLL).

#include <cstdint>

// A set of drag types, one bit each: dtCopy, dtMove, dtLink.
using TDragTypes = unsigned;
enum class TDragType { Copy, Move, Link };
constexpr TDragTypes dtCopy = 1, dtMove = 2, dtLink = 4;

namespace dragdrop {

constexpr uint32_t kEffectNone = 0;
constexpr uint32_t kEffectCopy = 1;
constexpr uint32_t kEffectMove = 2;
constexpr uint32_t kEffectLink = 4;
constexpr uint32_t kEffectScroll = 0x80000000u;

// The drag-type bits are the effect bits, so a set converts by masking.
constexpr uint32_t EffectsOf(TDragTypes types) { return types & (kEffectCopy | kEffectMove | kEffectLink); }

// The offered effects less every one whose drag type is not accepted (and less the scroll bit).
constexpr uint32_t MaskEffects(TDragTypes accepted, uint32_t offered) { return offered & EffectsOf(accepted); }

// The effect a drop would have among the allowed ones: Shift+Ctrl links, Shift alone moves,
// otherwise copy, move and link are tried in that order; 0 when none is allowed.
uint32_t ChooseEffect(uint32_t allowed, bool shift, bool ctrl);

// The drag type an effect stands for (copy before move before link); false for no effect.
bool DragTypeOfEffect(uint32_t effect, TDragType& type);

// Scroll bars of a control, as bits.
constexpr unsigned kHorizontalScrollBar = 1;
constexpr unsigned kVerticalScrollBar = 2;

// Which way a control scrolls when the pointer is at (x, y) of its client area: -1 up or left,
// +1 down or right, 0 not at all. Only an axis with a scroll bar scrolls; the zone is margin
// pixels wide along each edge.
struct TScrollStep {
    int horizontal = 0;
    int vertical = 0;
    bool Any() const { return horizontal != 0 || vertical != 0; }
};
TScrollStep ScrollStepAt(unsigned scrollBars, int x, int y, int clientWidth, int clientHeight, int margin);

}  // namespace dragdrop
