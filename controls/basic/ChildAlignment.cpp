#include "controls/basic/ChildAlignment.h"

#include <vector>

#include "classlib/core/AlignLayout.h"

namespace mw {

void AlignChildrenIn(cl::TControl& parent, const cl::TRect& area, bool& busy) {
    if (busy || parent.IsLoading() || parent.IsDestroying() || parent.ControlCount() == 0) return;
    std::vector<cl::TAlignItem> items;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        cl::TControl* child = parent.Controls(i);
        items.push_back({child->Align(), child->BoundsRect(), child->Visible()});
    }
    cl::ArrangeAligned(area, items);
    busy = true;
    try {
        for (int i = 0; i < parent.ControlCount() && i < static_cast<int>(items.size()); ++i) {
            cl::TControl* child = parent.Controls(i);
            if (child->Align() == cl::TAlign::None) continue;
            const cl::TRect& r = items[static_cast<size_t>(i)].bounds;
            child->SetBounds(r.left, r.top, r.Width(), r.Height());
        }
    } catch (...) {
        busy = false;
        throw;
    }
    busy = false;
}

}  // namespace mw
