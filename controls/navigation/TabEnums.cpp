#include "controls/navigation/TabEnums.h"

namespace mw {

const cl::TEnumNames kTabStyleNames{{{"tsSingleSlant", 0}, {"tsDoubleSlant", 1}, {"tsCutCorner", 2}, {"tsRoundCorners", 3}}};
const cl::TEnumNames kTabOrientationNames{{{"toTop", 0}, {"toLeft", 1}, {"toBottom", 2}, {"toRight", 3}}};
const cl::TEnumNames kTabSequenceNames{{{"tsStandard", 0}, {"tsReverse", 1}}};
const cl::TEnumNames kHotTrackStyleNames{{{"htsTab", 0}, {"htsText", 1}}};
const cl::TEnumNames kImagePositionNames{
    {{"ipLeft", 0}, {"ipTop", 1}, {"ipRight", 2}, {"ipBottom", 3}, {"ipBack", 4}, {"ipStretch", 5}}};
const cl::TEnumNames kHorizontalAlignmentNames{{{"haLeft", 0}, {"haCenter", 1}, {"haRight", 2}}};
const cl::TEnumNames kVerticalAlignmentNames{{{"vaTop", 0}, {"vaCenter", 1}, {"vaBottom", 2}}};

}  // namespace mw
