#include "controls/foundation/FrameModel.h"

namespace mw {

const cl::TEnumNames kAlignmentVerticalNames{{{"avTop", 0}, {"avCenter", 1}, {"avBottom", 2}}};
const cl::TEnumNames kTextStyleNames{{{"tsNormal", 0}, {"tsRaised", 1}, {"tsRecessed", 2}, {"tsShadow", 3}}};
const cl::TEnumNames kOrientationNames{{{"orHorizontal", 0}, {"orVertical", 1}}};
const cl::TEnumNames kBarStyleNames{{{"bsTraditional", 0}, {"bsLED", 1}}};
const cl::TEnumNames kFrameStyleNames{{{"fsNone", 0}, {"fsFlat", 1}, {"fsGroove", 2}, {"fsBump", 3}, {"fsLowered", 4},
                                       {"fsButtonDown", 5}, {"fsRaised", 6}, {"fsButtonUp", 7}, {"fsStatus", 8},
                                       {"fsPopup", 9}, {"fsFlatBold", 10}}};
const cl::TEnumNames kFramingPreferenceNames{{{"fpCustomFraming", 0}, {"fpXPThemes", 1}}};
const cl::TEnumNames kScrollStyleNames{{{"scsNone", 0}, {"scsLeft", 1}, {"scsUp", 2}, {"scsRight", 3}, {"scsDown", 4}}};
const cl::TEnumNames kSideNames{{{"sdLeft", 0}, {"sdTop", 1}, {"sdRight", 2}, {"sdBottom", 3}}};
const cl::TEnumNames kHotTrackColorTypeNames{{{"htctComplement", 0}, {"htctActual", 1}}};
const cl::TEnumNames kAboutInfoNames{{{"aiMerrowComponents", 0}}};

int FrameBorderWidth(TFrameStyle style, int bevelWidth) {
    switch (style) {
        case TFrameStyle::None: return 0;
        case TFrameStyle::Flat: return 1;
        case TFrameStyle::Status:
        case TFrameStyle::Popup: return bevelWidth;
        default: return 2;
    }
}

cl::TRect InsetSides(const cl::TRect& r, int width, TSides sides) {
    cl::TRect result = r;
    if (sides & sdLeft) result.left += width;
    if (sides & sdTop) result.top += width;
    if (sides & sdRight) result.right -= width;
    if (sides & sdBottom) result.bottom -= width;
    return result;
}

cl::TRect Inset(const cl::TRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy}; }

cl::TRect CentredRect(const cl::TRect& r, int width, int height) {
    const int left = (r.left + r.right - width) / 2;
    const int top = (r.top + r.bottom - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace mw
