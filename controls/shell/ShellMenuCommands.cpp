#include "controls/shell/ShellMenuCommands.h"

namespace mw {

TMenuCommand ClassifyMenuCommand(unsigned id) {
    if (id == 0 || id > kLastShellCommand) return {};
    if (id < kFirstShellCommand) return {TMenuCommandKind::SendTo, id - 1};
    const unsigned offset = id - kFirstShellCommand;
    return {offset == kShellRenameOffset ? TMenuCommandKind::Rename : TMenuCommandKind::Shell, offset};
}

}  // namespace mw
