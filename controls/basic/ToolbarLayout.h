#pragma once
// Places a toolbar's controls in rows (columns when vertical) of a fixed pitch, in list
// order, wrapping to a new row when a control would cross the far margin.

#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

struct TToolbarSlot {
    int width = 0;
    int height = 0;
    bool visible = true;
    int left = 0;  // results
    int top = 0;
};

struct TToolbarGeometry {
    int width = 0;   // the toolbar's own size
    int height = 0;
    int margin = 4;
    int topMargin = 2;
    int rowHeight = 25;
    bool wrapControls = true;
    TOrientation orientation = TOrientation::Horizontal;
    bool rightToLeft = false;  // rows run from the right edge
};

struct TToolbarRows {
    int rows = 1;
    int widest = 0;  // the longest row that wrapped (0 when none did)
};

// Sets left and top of every visible slot.
TToolbarRows PositionToolbarSlots(const TToolbarGeometry& geometry, std::vector<TToolbarSlot>& slots);

// Where copies of a tile of tileWidth x tileHeight go to cover width x height from (0, 0), the
// last row and column cut off where they pass the edge; none for an empty tile.
std::vector<cl::TPoint> BackgroundTiles(int width, int height, int tileWidth, int tileHeight);

}  // namespace mw
