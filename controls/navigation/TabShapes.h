#pragma once
// The shape of one tab and where its parts go: the outline polygon of each tab style, the
// rectangle its image and caption share, the bars of the current and the hot tab, and where
// each caption line is drawn. Outlines are in the layout's normalised frame; everything else is
// in client coordinates, from the tab's working rectangle mapped to its side.

#include <string>
#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/navigation/TabEnums.h"
#include "controls/navigation/TabStrip.h"

namespace mw {

// From the inner left corner along the outer edge to the inner right corner.
std::vector<cl::TPoint> TabOutline(TMwTabStyle style, const cl::TRect& working, int cutCornerSize);
// The number of points TabOutline gives for a style.
int TabOutlinePointCount(TMwTabStyle style);

struct TTabShapeSettings {
    TMwTabStyle style = TMwTabStyle::SingleSlant;
    TMwTabOrientation side = TMwTabOrientation::Top;
    bool verticalText = false;
    int cutCornerSize = 6;
};

// The part of the mapped working rectangle that the image and the caption share.
cl::TRect TabContentRect(const TTabShapeSettings& shape, const cl::TRect& mapped);

struct TTabContentParts {
    cl::TRect image;  // where the image goes (its own size, or the whole part for ipStretch)
    cl::TRect text;   // what is left for the caption
};

struct TTabImageSettings {
    TMwImagePosition position = TMwImagePosition::Left;
    int margin = 2;
    TMwHorizontalAlignment alignment = TMwHorizontalAlignment::Center;
    TMwVerticalAlignment alignmentVertical = TMwVerticalAlignment::Center;
};

// Without an image (a zero size) the caption has the whole content rectangle.
TTabContentParts SplitTabContent(const cl::TRect& content, TTabExtent imageSize, const TTabImageSettings& image);

enum class TTextDirection { Horizontal, Up, Down };  // Up: turned 90 degrees (900), Down: 270 degrees

// The box each caption line fills: lines of horizontal text stack downward; turned lines stand
// side by side, left to right for upward text and right to left for downward text. sizes are the
// lines' sizes as drawn horizontally.
std::vector<cl::TRect> CaptionLineBoxes(const cl::TRect& area, const std::vector<TTabExtent>& sizes, TTextDirection direction,
                                        TMwHorizontalAlignment alignment, TMwVerticalAlignment alignmentVertical);

// The strip along the tab's outer edge that the highlight and hot bars fill.
cl::TRect TabBarRect(const cl::TRect& mapped, TMwTabOrientation side);

// Round the caption's lines; round-cornered tabs keep it off their outer edge.
cl::TRect TabFocusRect(const std::vector<cl::TRect>& lineBoxes, TMwTabStyle style, TMwTabOrientation side);

}  // namespace mw
