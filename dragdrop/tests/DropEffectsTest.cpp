#include <gtest/gtest.h>

#include "dragdrop/DropEffects.h"

namespace {

using namespace dragdrop;

TEST(DropEffects, ChosenEffectFollowsTheKeysWithinTheAllowedOnes) {
    const uint32_t all = kEffectCopy | kEffectMove | kEffectLink;
    struct Case {
        uint32_t allowed;
        bool shift, ctrl;
        uint32_t effect;
    };
    const Case cases[] = {
        {all, false, false, kEffectCopy},
        {all, true, false, kEffectMove},
        {all, false, true, kEffectCopy},
        {all, true, true, kEffectLink},
        {kEffectCopy, true, false, kEffectCopy},  // Shift with only copy accepted still copies
        {kEffectCopy, true, true, kEffectCopy},
        {kEffectMove | kEffectLink, false, false, kEffectMove},
        {kEffectLink, true, false, kEffectLink},
        {kEffectNone, true, true, kEffectNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseEffect(c.allowed, c.shift, c.ctrl), c.effect) << c.allowed << " shift " << c.shift << " ctrl " << c.ctrl;
}

TEST(DropEffects, MaskingDropsUnacceptedTypesAndTheScrollBit) {
    EXPECT_EQ(MaskEffects(dtCopy, kEffectCopy | kEffectMove | kEffectScroll), kEffectCopy);
    EXPECT_EQ(MaskEffects(dtMove | dtLink, kEffectCopy | kEffectLink), kEffectLink);
    EXPECT_EQ(MaskEffects(0, kEffectCopy), kEffectNone);
}

TEST(DropEffects, DragTypeOfAnEffectPrefersCopyThenMoveThenLink) {
    struct Case {
        uint32_t effect;
        bool found;
        TDragType type;
    };
    const Case cases[] = {
        {kEffectCopy | kEffectMove, true, TDragType::Copy},
        {kEffectMove | kEffectLink | kEffectScroll, true, TDragType::Move},
        {kEffectLink, true, TDragType::Link},
        {kEffectScroll, false, TDragType::Copy},
        {kEffectNone, false, TDragType::Copy},
    };
    for (const Case& c : cases) {
        TDragType type = TDragType::Copy;
        EXPECT_EQ(DragTypeOfEffect(c.effect, type), c.found) << c.effect;
        EXPECT_EQ(type, c.type) << c.effect;
    }
}

TEST(DropEffects, ScrollStepNearAnEdgeOnlyAlongAxesWithAScrollBar) {
    const unsigned both = kHorizontalScrollBar | kVerticalScrollBar;
    struct Case {
        const char* what;
        unsigned bars;
        int x, y;
        int horizontal, vertical;
    };
    // Client area 200 x 100, margin 11.
    const Case cases[] = {
        {"middle", both, 100, 50, 0, 0},
        {"near the bottom", both, 100, 95, 0, 1},
        {"near the top", both, 100, 3, 0, -1},
        {"near the left", both, 5, 50, -1, 0},
        {"near the right", both, 195, 50, 1, 0},
        {"bottom-right corner", both, 195, 95, 1, 1},
        {"on the zone's edge", both, 11, 89, 0, 0},
        {"bottom without a vertical bar", kHorizontalScrollBar, 100, 95, 0, 0},
        {"left without a horizontal bar", kVerticalScrollBar, 5, 50, 0, 0},
        {"no bars", 0, 5, 5, 0, 0},
    };
    for (const Case& c : cases) {
        const TScrollStep step = ScrollStepAt(c.bars, c.x, c.y, 200, 100, 11);
        EXPECT_EQ(step.horizontal, c.horizontal) << c.what;
        EXPECT_EQ(step.vertical, c.vertical) << c.what;
    }
}

}  // namespace
