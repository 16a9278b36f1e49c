// The shell tree's platform-free rules: its keyboard commands, the drive root it
// watches for a path, and the timing of scrolling and expanding during a drag.

#include <gtest/gtest.h>

#include "controls/shell/DriveRoot.h"
#include "controls/shell/ShellTreeDragState.h"
#include "controls/shell/ShellTreeShortcuts.h"

namespace {

using mw::TShellTreeCommand;

constexpr unsigned kShift = mw::kKeyShift, kCtrl = mw::kKeyCtrl, kAlt = mw::kKeyAlt;

TEST(ShellTreeShortcutsTest, KeysChooseTheirCommands) {
    const mw::TShellTreeShortcuts shortcuts;
    const struct {
        unsigned key;
        unsigned shift;
        TShellTreeCommand expected;
    } cases[] = {
        {0x71, 0, TShellTreeCommand::EditLabel},
        {0x74, 0, TShellTreeCommand::Refresh},
        {'X', kCtrl, TShellTreeCommand::Cut},
        {'C', kCtrl, TShellTreeCommand::Copy},
        {'V', kCtrl, TShellTreeCommand::Paste},
        {0x2E, 0, TShellTreeCommand::Delete},
        {0x2E, kShift, TShellTreeCommand::Delete},
        // Other shift states are not the tree's.
        {0x2E, kCtrl, TShellTreeCommand::None},
        {'C', 0, TShellTreeCommand::None},
        {'C', kCtrl | kShift, TShellTreeCommand::None},
        {0x71, kAlt, TShellTreeCommand::None},
        {0, 0, TShellTreeCommand::None},
    };
    for (const auto& c : cases) EXPECT_EQ(shortcuts.CommandOf(c.key, c.shift), c.expected) << c.key << " " << c.shift;
}

TEST(DriveRootTest, PathsGiveTheRootOfTheirDrive) {
    const struct {
        const char* path;
        const char* root;
    } cases[] = {
        {"C:\\Windows\\Temp", "C:\\"},
        {"d:", "d:\\"},
        {"\\\\server\\share\\folder\\deeper", "\\\\server\\share\\"},
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"\\\\server", ""},
        {"\\\\server\\", ""},
        {"relative\\path", ""},
        {"", ""},
        {"1:\\", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(mw::DriveRootOf(c.path), c.root) << c.path;
}

TEST(DragScrollStateTest, ScrollsNearTheEdgesAtMostEvery100Ms) {
    const struct {
        int x, y;
        int horizontal, vertical;
    } cases[] = {
        {100, 100, 0, 0}, {25, 100, -1, 0}, {26, 100, 0, 0}, {175, 100, 1, 0},
        {100, 19, 0, -1}, {100, 181, 0, 1}, {5, 195, -1, 1},
    };
    for (const auto& c : cases) {
        mw::TDragScrollState state;
        state.Start(c.x, c.y, 1000);
        EXPECT_FALSE(state.Scroll(c.x, c.y, 200, 200, 1100).Any()) << "within 100 ms of the start";
        const mw::TScrollStep step = state.Scroll(c.x, c.y, 200, 200, 1101);
        EXPECT_EQ(step.horizontal, c.horizontal) << c.x << "," << c.y;
        EXPECT_EQ(step.vertical, c.vertical) << c.x << "," << c.y;
        if (step.Any()) {
            EXPECT_FALSE(state.Scroll(c.x, c.y, 200, 200, 1150).Any()) << "a second step too soon";
        }
    }

    // The tick counter wraps round.
    mw::TDragScrollState state;
    state.Start(0, 0, 0xFFFFFFF0u);
    EXPECT_FALSE(state.Scroll(0, 0, 200, 200, 0x10).Any());
    EXPECT_TRUE(state.Scroll(0, 0, 200, 200, 0x60).Any());
}

TEST(DragScrollStateTest, ExpandsOnceAfterRestingInTheHoverBox) {
    mw::TDragScrollState state;
    state.SetHover(400, 4, 4);
    state.Start(50, 50, 0);
    EXPECT_FALSE(state.HoverDue(50, 50, 400));  // not longer than the hover time yet
    // Within the box: from the anchor minus half the size to the anchor plus the whole size.
    EXPECT_FALSE(state.HoverDue(48, 54, 300));
    EXPECT_TRUE(state.HoverDue(54, 48, 401));
    EXPECT_FALSE(state.HoverDue(50, 50, 900)) << "only once per resting place";

    // Leaving the box anchors there and starts the time afresh.
    EXPECT_FALSE(state.HoverDue(47, 50, 1000));
    EXPECT_EQ(state.AnchorX(), 47);
    EXPECT_FALSE(state.HoverDue(47, 50, 1400));
    EXPECT_TRUE(state.HoverDue(47, 50, 1401));
}

}  // namespace
