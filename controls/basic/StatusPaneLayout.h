#pragma once
// The geometry of a status pane's caption: how far the text keeps from the pane's edges for
// each frame style, the width an auto-sized pane takes, and the flat frame's four lines.

#include <array>

#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// How far the caption keeps from each edge: the border width plus what the frame style takes.
int PaneTextInset(TFrameStyle style, int borderWidth);

// The width of an auto-sized pane: defaultWidth without a caption, else room for the caption
// (captionWidth pixels) inside the borders with its offset and a small margin.
int PaneAutoWidth(bool hasCaption, int captionWidth, int borderWidth, int captionOffset, int defaultWidth);

// The flat frame of r as four one-pixel lines (left, top, right, bottom) that leave the four
// corner pixels out.
std::array<cl::TRect, 4> OpenCornerBoxLines(const cl::TRect& r);

}  // namespace mw
