#pragma once
// The progress animation: a sheet of paper flies into the waste bin in 23 steps, then two
// frames show the bin alone. Icon 107 is the bin, icons 108 to 130 the sheet of each step.

enum {
    kAnimationFrames = 25,
    kAnimationTimerId = 25,
    kAnimationIntervalMs = 150,
    kBinIcon = 107,
    kAnimationIcons = 24   // 107 to 130
};

// The frame after frame: 1 to 25, then 1 again (0 is the frame before the first tick).
int NextAnimationFrame(int frame);

// The bin stands at the animation area's left edge, this many pixels down (baseHeight: the
// dialog base units' height).
int BinIconTop(int baseHeight);

// Where the sheet of frame is drawn, in pixels from the animation area's corner, and which icon
// it is; false for frames without a sheet.
bool SheetIconPosition(int frame, int baseWidth, int baseHeight, int* x, int* y, int* icon);
