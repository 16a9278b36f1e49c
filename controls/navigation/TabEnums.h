#pragma once
// The published enumerations of the tab and page controls, with the names that form resources
// store them by.

#include "classlib/core/ClassInfo.h"

enum class TMwTabStyle { SingleSlant, DoubleSlant, CutCorner, RoundCorners };
enum class TMwTabOrientation { Top, Left, Bottom, Right };
enum class TMwTabSequence { Standard, Reverse };
enum class TMwHotTrackStyle { Tab, Text };
enum class TMwImagePosition { Left, Top, Right, Bottom, Back, Stretch };
enum class TMwHorizontalAlignment { Left, Center, Right };
enum class TMwVerticalAlignment { Top, Center, Bottom };
// What a caption is drawn as; OnGetTextColor gets it with the default colour to change.
enum class TMwTextStyle { HotTracked, Current, Enabled, DisabledHighlight, DisabledShadow };

namespace mw {

extern const cl::TEnumNames kTabStyleNames;
extern const cl::TEnumNames kTabOrientationNames;
extern const cl::TEnumNames kTabSequenceNames;
extern const cl::TEnumNames kHotTrackStyleNames;
extern const cl::TEnumNames kImagePositionNames;
extern const cl::TEnumNames kHorizontalAlignmentNames;
extern const cl::TEnumNames kVerticalAlignmentNames;

// Tabs on the left or right side run down the control rather than across it.
constexpr bool IsSideOrientation(TMwTabOrientation side) {
    return side == TMwTabOrientation::Left || side == TMwTabOrientation::Right;
}

}  // namespace mw
