// When a drag from the shell controls goes on, drops or is cancelled.

#include <gtest/gtest.h>

#include "controls/shell/ShellDragRules.h"

namespace {

using mw::TDragContinuation;
using mw::TShellDragButton;

TEST(ShellDragRulesTest, ButtonsAndEscapeDecide) {
    struct Case {
        TShellDragButton button;
        bool escape;
        uint32_t keys;
        TDragContinuation expected;
    };
    const Case cases[] = {
        {TShellDragButton::Left, false, 1, TDragContinuation::Continue},
        {TShellDragButton::Left, false, 1 | 4 | 8, TDragContinuation::Continue},  // shift and control do not count
        {TShellDragButton::Left, false, 0, TDragContinuation::Drop},
        {TShellDragButton::Left, true, 1, TDragContinuation::Cancel},
        {TShellDragButton::Left, false, 1 | 2, TDragContinuation::Cancel},       // a second button
        {TShellDragButton::Left, false, 16, TDragContinuation::Cancel},          // another button after release
        {TShellDragButton::Right, false, 2, TDragContinuation::Continue},
        {TShellDragButton::Right, false, 0, TDragContinuation::Drop},
        {TShellDragButton::Right, false, 2 | 1, TDragContinuation::Cancel},
        {TShellDragButton::Middle, false, 16, TDragContinuation::Continue},
        {TShellDragButton::Middle, false, 16 | 2, TDragContinuation::Cancel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mw::ContinueShellDrag(c.button, c.escape, c.keys), c.expected)
            << static_cast<int>(c.button) << " " << c.escape << " " << c.keys;
}

}  // namespace
