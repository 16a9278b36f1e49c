#include "uninstaller/app/AnimationFrames.h"

namespace {

const int kSheetFrames = 23;

// Position of the sheet per frame, x in quarters and y in eighths of the base units.
const struct {
    int x, y;
} kSheetPositions[kSheetFrames] = {
    {0, 10},  {5, 8},   {8, 6},   {14, 5},  {19, 2},  {26, 2},   {30, 2},   {38, 2},
    {42, 2},  {50, 0},  {57, 0},  {62, 0},  {72, 0},  {78, 2},   {87, 3},   {94, 4},
    {102, 8}, {110, 10}, {114, 11}, {118, 13}, {121, 5}, {126, 16}, {126, 17},
};

}  // namespace

int NextAnimationFrame(int frame)
{
    return frame >= kAnimationFrames || frame < 0 ? 1 : frame + 1;
}

int BinIconTop(int baseHeight)
{
    return baseHeight * 10 / 8;
}

bool SheetIconPosition(int frame, int baseWidth, int baseHeight, int* x, int* y, int* icon)
{
    if (frame < 1 || frame > kSheetFrames)
        return false;
    *x = baseWidth * kSheetPositions[frame - 1].x / 4;
    *y = baseHeight * kSheetPositions[frame - 1].y / 8;
    *icon = kBinIcon + frame;
    return true;
}
