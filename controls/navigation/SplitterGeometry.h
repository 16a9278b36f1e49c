#pragma once
// The splitter's arithmetic: the bar position in pixels and in percent of the splitter's
// size, the clamping of the position to the margins, and the rectangles of the two panes,
// the bar and the hot spot.

#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

// Where a click on the hot spot moves the bar: to the start, to the end, or to the end whose
// half of the hot spot was clicked.
enum class THotSpotDirection { Min, Max, Both };

namespace mw {

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value);

// size is the splitter's full size along the bar's axis (its height when the panes are upper
// and lower); the bar's position runs over size - splitterWidth div 2 pixels.
int PositionOfPercent(int percent, int size, int splitterWidth);
int PercentOfPosition(int position, int size, int splitterWidth);

struct TSplitterLimits {
    int size = 0;
    int splitterWidth = 4;
    int borderOffset = 0;  // border pixels before the client area
    int marginMin = 0;
    int marginMax = 0;
};

// Keeps the position at least marginMin and at most size - marginMax - splitterWidth -
// 2 * borderOffset; the upper limit wins when they cross.
int ClampSplitterPosition(int position, const TSplitterLimits& limits);

struct TSplitterRects {
    cl::TRect upperLeft;
    cl::TRect bar;
    cl::TRect lowerRight;
};

// The panes and the bar in the client rectangle; a hidden pane is empty and the other one
// takes the whole client area (with no bar).
TSplitterRects LayoutSplitterPanes(const cl::TRect& client, TOrientation orientation, int position, int splitterWidth,
                                   bool upperLeftVisible, bool lowerRightVisible);

// The hot spot: sizePercent of the bar's length, centred on the bar.
cl::TRect SplitterHotSpot(const cl::TRect& bar, TOrientation orientation, int sizePercent);

// Which way the hot spot's two arrows point: toward the start of the axis (up, or left) or
// toward its end, for the first arrow and the second.
struct THotSpotArrows {
    bool firstTowardStart = true;
    bool secondTowardStart = true;
    bool operator==(const THotSpotArrows& o) const {
        return firstTowardStart == o.firstTowardStart && secondTowardStart == o.secondTowardStart;
    }
};
THotSpotArrows HotSpotArrows(THotSpotDirection direction, bool closed, bool closedToMin, bool closedToMax);

// The grip dots in a hot spot `length` pixels long: one every 3 pixels from 15 in, the first
// one at 30 pixels.
int HotSpotGripDotCount(int length);

}  // namespace mw
