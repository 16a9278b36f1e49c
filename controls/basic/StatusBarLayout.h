#pragma once
// The geometry of the status bar: the area its children align in, its sizing grip (where a
// press sizes the form, where children let the mouse through to it, and its dots), and the
// proportional rescaling of its panes when its width changes.

#include <vector>

#include "classlib/core/Geometry.h"

namespace mw {

// The panel's client rectangle adjusted for the status bar. Without the visual-styles library
// the children reach one pixel past the left, right and bottom edges (so that their own
// borders meet the window's), and the simple-mode box starts two pixels down; with it only the
// simple-mode box moves in by one pixel.
cl::TRect StatusBarClientRect(const cl::TRect& panelClient, bool themeLibraryLoaded, bool simpleStatus);

// Where a left-button press sizes the form: the rightmost 13 pixels, full height.
cl::TRect SizeGripHitRect(int width, int height);

// Whether x lies in the 12 pixels left of clientRight, where a child lets the mouse through to
// the grip underneath it.
bool InSizeGripStrip(int x, int clientRight);

// One 2 x 2 dot of the classic grip.
struct TGripDot {
    cl::TRect rect;
    bool highlight;  // clBtnHighlight; the others are clBtnShadow
};
// The classic grip in the bottom-right corner of r: a triangle of three, two and one dots,
// first the six highlight dots, then the six shadow dots one pixel up and left of them.
std::vector<TGripDot> SizeGripDots(const cl::TRect& r);

// The themed gripper: the rightmost 20 pixels of r.
cl::TRect ThemedGripRect(const cl::TRect& r);

// A pane's new width when the bar's width changed by change from previousBarWidth: the pane
// takes its share of the change in proportion to its width (halves rounded to even). An
// unknown previous width (0) leaves the pane as it is.
int ScaledPaneWidth(int paneWidth, int change, int previousBarWidth);

}  // namespace mw
