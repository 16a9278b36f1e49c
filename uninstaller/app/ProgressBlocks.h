#pragma once
// The wizard's block progress bar: blocks two thirds of the bar's height wide, each with a
// 3-pixel gap, drawn from the left while they start inside the done part.

struct BarBlock {
    int left, right;   // pixels from the bar's left edge
};

// Width of the done part of a bar: width x done / total, no more than width; 0 without total.
int ProgressFilledLength(int width, unsigned done, unsigned total);

// Writes the blocks of a bar of width x height that is done of total into blocks (at most
// maxBlocks) and returns their number. No block reaches beyond the bar.
int ProgressBarBlocks(int width, int height, unsigned done, unsigned total, BarBlock* blocks, int maxBlocks);
