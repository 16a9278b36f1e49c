#pragma once
// The values an action showed when a client last took them. A client follows a change of the
// action only for the values it still shares with it, so a value the client was given on its
// own (an item's image, say) survives later changes of the action.

#include <string>

#include "classlib/win/Actions.h"

namespace mw {

struct TActionLinkValues {
    std::string caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::string hint;
    int imageIndex = -1;

    static TActionLinkValues Of(const cl::TAction& action) {
        return {action.Caption(), action.Enabled(), action.Visible(), action.Checked(), action.Hint(), action.ImageIndex()};
    }
};

}  // namespace mw
