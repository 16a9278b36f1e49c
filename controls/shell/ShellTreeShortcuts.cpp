#include "controls/shell/ShellTreeShortcuts.h"

#include "controls/basic/ShortCutText.h"

namespace mw {

TShellTreeShortcuts::TShellTreeShortcuts()
    : bindings_{{TextToShortCut("F2"), TShellTreeCommand::EditLabel},  {TextToShortCut("F5"), TShellTreeCommand::Refresh},
                {TextToShortCut("Ctrl+X"), TShellTreeCommand::Cut},    {TextToShortCut("Ctrl+C"), TShellTreeCommand::Copy},
                {TextToShortCut("Ctrl+V"), TShellTreeCommand::Paste},  {TextToShortCut("Del"), TShellTreeCommand::Delete}} {}

TShellTreeCommand TShellTreeShortcuts::CommandOf(unsigned key, unsigned shift) const {
    if (key == 0 || key > 0xFF) return TShellTreeCommand::None;
    const unsigned shortCut = key | (shift & kKeyShift ? kShortCutShift : 0) | (shift & kKeyCtrl ? kShortCutCtrl : 0) |
                              (shift & kKeyAlt ? kShortCutAlt : 0);
    for (const TBinding& b : bindings_) {
        if (b.shortCut == shortCut) return b.command;
        // Shift+Del deletes too (the shell then skips the recycle bin).
        if (b.command == TShellTreeCommand::Delete && shortCut == (b.shortCut | kShortCutShift)) return b.command;
    }
    return TShellTreeCommand::None;
}

}  // namespace mw
