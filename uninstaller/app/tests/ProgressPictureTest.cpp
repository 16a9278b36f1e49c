#include <gtest/gtest.h>

#include <vector>

#include "uninstaller/app/AnimationFrames.h"
#include "uninstaller/app/ProgressBlocks.h"

namespace {

TEST(Animation, FramesRunFromOneToTwentyFiveAndAgain)
{
    std::vector<int> frames;
    for (int frame = 0, tick = 0; tick < 27; ++tick)
        frames.push_back(frame = NextAnimationFrame(frame));
    EXPECT_EQ(frames.front(), 1);
    EXPECT_EQ(frames[24], 25);
    EXPECT_EQ(frames[25], 1);
    EXPECT_EQ(frames[26], 2);
}

TEST(Animation, SheetPositionsInDialogUnits)
{
    const int baseWidth = 8, baseHeight = 16;
    EXPECT_EQ(BinIconTop(baseHeight), 20);
    const struct {
        int frame;
        bool sheet;
        int x, y, icon;
    } cases[] = {
        {0, false, 0, 0, 0},        // before the first tick: the bin alone
        {1, true, 0, 20, 108},
        {10, true, 100, 0, 117},
        {21, true, 242, 10, 128},
        {23, true, 252, 34, 130},
        {24, false, 0, 0, 0},
        {25, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame);
        int x = 0, y = 0, icon = 0;
        ASSERT_EQ(SheetIconPosition(c.frame, baseWidth, baseHeight, &x, &y, &icon), c.sheet);
        if (c.sheet) {
            EXPECT_EQ(x, c.x);
            EXPECT_EQ(y, c.y);
            EXPECT_EQ(icon, c.icon);
        }
    }
}

std::vector<std::pair<int, int>> Blocks(int width, int height, unsigned done, unsigned total, int max = 100)
{
    std::vector<BarBlock> blocks(max);
    int count = ProgressBarBlocks(width, height, done, total, blocks.data(), max);
    std::vector<std::pair<int, int>> spans;
    for (int i = 0; i < count; ++i)
        spans.emplace_back(blocks[i].left, blocks[i].right);
    return spans;
}

TEST(ProgressBar, BlocksFillTheDonePart)
{
    using Spans = std::vector<std::pair<int, int>>;
    // Height 15: blocks every 10 pixels, 7 wide.
    EXPECT_EQ(Blocks(100, 15, 0, 10), Spans{});
    EXPECT_EQ(Blocks(100, 15, 1, 10), Spans({{0, 7}}));
    EXPECT_EQ(Blocks(100, 15, 3, 10), Spans({{0, 7}, {10, 17}, {20, 27}}));
    // A block that starts inside the done part is drawn whole.
    EXPECT_EQ(Blocks(100, 15, 21, 100), Spans({{0, 7}, {10, 17}, {20, 27}}));
    // The last block stops at the bar's end; more done than total is a full bar.
    EXPECT_EQ(Blocks(95, 15, 5, 4).back(), std::make_pair(90, 95));
    EXPECT_EQ(Blocks(95, 15, 5, 4).size(), 10u);
    // No total, or a bar too low for a block: nothing.
    EXPECT_EQ(Blocks(100, 15, 5, 0), Spans{});
    EXPECT_EQ(Blocks(100, 4, 5, 5), Spans{});
    // The caller's room is never exceeded.
    EXPECT_EQ(Blocks(1000, 15, 1, 1, 4).size(), 4u);
}

TEST(ProgressBar, FilledLengthDoesNotOverflow)
{
    EXPECT_EQ(ProgressFilledLength(600, 4000000000u, 4000000000u), 600);
    EXPECT_EQ(ProgressFilledLength(600, 1, 3), 200);
}

}  // namespace
