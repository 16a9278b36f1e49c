#pragma once
// Places aligned controls inside their parent's client area: top-aligned ones stack down from
// the top, bottom-aligned ones up from the bottom, then left- and right-aligned ones fill the
// height that is left, and client-aligned ones take what remains. Within one alignment,
// controls keep their order on that edge (then their creation order).

#include <vector>

#include "classlib/core/Geometry.h"

namespace cl {

enum class TAlign { None, Top, Bottom, Left, Right, Client };

struct TAlignItem {
    TAlign align = TAlign::None;
    TRect bounds;         // current bounds; the new ones are written back
    bool visible = true;  // hidden controls take no space
};

void ArrangeAligned(const TRect& client, std::vector<TAlignItem>& items);

}  // namespace cl
