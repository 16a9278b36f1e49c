#include "dragdrop/DropEffects.h"

#include <initializer_list>

namespace dragdrop {

uint32_t ChooseEffect(uint32_t allowed, bool shift, bool ctrl) {
    if (shift && ctrl && (allowed & kEffectLink)) return kEffectLink;
    if (shift && !ctrl && (allowed & kEffectMove)) return kEffectMove;
    for (uint32_t effect : {kEffectCopy, kEffectMove, kEffectLink})
        if (allowed & effect) return effect;
    return kEffectNone;
}

bool DragTypeOfEffect(uint32_t effect, TDragType& type) {
    if (effect & kEffectCopy) type = TDragType::Copy;
    else if (effect & kEffectMove) type = TDragType::Move;
    else if (effect & kEffectLink) type = TDragType::Link;
    else return false;
    return true;
}

namespace {

int StepAlong(int position, int extent, int margin) {
    if (position < margin) return -1;
    if (position > extent - margin) return 1;
    return 0;
}

}  // namespace

TScrollStep ScrollStepAt(unsigned scrollBars, int x, int y, int clientWidth, int clientHeight, int margin) {
    TScrollStep step;
    if (scrollBars & kHorizontalScrollBar) step.horizontal = StepAlong(x, clientWidth, margin);
    if (scrollBars & kVerticalScrollBar) step.vertical = StepAlong(y, clientHeight, margin);
    return step;
}

}  // namespace dragdrop
