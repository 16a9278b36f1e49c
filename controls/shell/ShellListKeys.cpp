#include "controls/shell/ShellListKeys.h"

namespace mw {

namespace {
constexpr uint16_t kBackspace = 0x08, kEnter = 0x0D, kDelete = 0x2E, kF2 = 0x71, kF5 = 0x74;
}

TShellListKeyCommand ShellListKeyCommand(uint16_t key, TKeyModifiers m) {
    const bool plain = !m.shift && !m.ctrl && !m.alt;
    const bool ctrlOnly = m.ctrl && !m.shift && !m.alt;
    switch (key) {
    case kBackspace: return plain ? TShellListKeyCommand::GoUp : TShellListKeyCommand::None;
    case kEnter: return plain ? TShellListKeyCommand::Open : TShellListKeyCommand::None;
    case kF2: return plain ? TShellListKeyCommand::Edit : TShellListKeyCommand::None;
    case kF5: return plain ? TShellListKeyCommand::Refresh : TShellListKeyCommand::None;
    case kDelete: return !m.ctrl && !m.alt ? TShellListKeyCommand::Delete : TShellListKeyCommand::None;
    case 'A': return ctrlOnly ? TShellListKeyCommand::SelectAll : TShellListKeyCommand::None;
    case 'C': return ctrlOnly ? TShellListKeyCommand::Copy : TShellListKeyCommand::None;
    case 'X': return ctrlOnly ? TShellListKeyCommand::Cut : TShellListKeyCommand::None;
    case 'V': return ctrlOnly ? TShellListKeyCommand::Paste : TShellListKeyCommand::None;
    default: return TShellListKeyCommand::None;
    }
}

}  // namespace mw
