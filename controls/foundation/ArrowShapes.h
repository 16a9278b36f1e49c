#pragma once
// The small filled arrows of drop-down and spin buttons: a six-point chevron in the themed look,
// a triangle in the classic one, placed round the centre of the button.

#include <vector>

#include "classlib/core/Geometry.h"

namespace mw {

enum class TArrowDirection { Up, Down, Left, Right };

// The downward arrow of a drop-down button; shifted (a pressed button) moves it one pixel right
// and down.
std::vector<cl::TPoint> SpinArrowPoints(const cl::TRect& r, bool themedLook, bool shifted);
// An arrow in any direction; pressed moves it one pixel right and down.
std::vector<cl::TPoint> DropDownArrowPoints(const cl::TRect& r, bool themedLook, bool pressed, TArrowDirection direction);

}  // namespace mw
