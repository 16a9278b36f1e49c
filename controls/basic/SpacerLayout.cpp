#include "controls/basic/SpacerLayout.h"

namespace mw {

TSpacerGroove SpacerGroove(const cl::TRect& r) {
    if (r.Width() > r.Height()) {
        const int y = r.Height() / 2 + r.top - 1;
        return {{{r.left + 1, y}, {r.right, y}}, {{r.left + 1, y + 1}, {r.right, y + 1}}};
    }
    const int x = r.Width() / 2 + r.left - 1;
    return {{{x, r.top + 1}, {x, r.bottom}}, {{x + 1, r.top + 1}, {x + 1, r.bottom}}};
}

}  // namespace mw
