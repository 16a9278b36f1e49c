#pragma once
// The arithmetic of docking, free of windows: how a dock site's area is shared among its
// docked clients, where a client dropped at a point goes in their order, and when a press
// has moved far enough to start a drag.

#include <vector>

#include "classlib/core/Geometry.h"

namespace cl {

// Splits area into count equal zones (the last ones take the rounding), side by side from
// the left or stacked from the top. No zones for a count of 0.
std::vector<TRect> ShareDockArea(const TRect& area, int count, bool sideBySide);

// Where a client dropped at point goes among the zones of the clients already docked (in
// their order): before the first zone whose middle along the site's axis lies past the point,
// else at the end.
int DockInsertIndex(const std::vector<TRect>& zones, TPoint point, bool sideBySide);

// A press at start turns into a drag once the pointer is threshold pixels away along either axis.
bool BeyondDragThreshold(TPoint start, TPoint now, int threshold);

// The rectangle of size (width, height) that keeps the pointer at the same offset from its
// top-left corner as when the drag began, the offset pulled inside the rectangle when the
// size shrank.
TRect RectAtPointer(TPoint pointer, TPoint grabOffset, int width, int height);

}  // namespace cl
