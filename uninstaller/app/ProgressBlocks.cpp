#include "uninstaller/app/ProgressBlocks.h"

#include <cstdint>

namespace {

const int kBlockGap = 3;

}  // namespace

int ProgressFilledLength(int width, unsigned done, unsigned total)
{
    if (width <= 0 || total == 0)
        return 0;
    if (done > total)
        done = total;
    return static_cast<int>(static_cast<uint64_t>(width) * done / total);
}

int ProgressBarBlocks(int width, int height, unsigned done, unsigned total, BarBlock* blocks, int maxBlocks)
{
    int step = height * 2 / 3;
    if (step <= kBlockGap)
        return 0;
    int filled = ProgressFilledLength(width, done, total);
    int count = 0;
    for (int drawn = 0; drawn < filled && count < maxBlocks; drawn += step) {
        int right = drawn + step - kBlockGap;
        blocks[count++] = {drawn, right < width ? right : width};
    }
    return count;
}
