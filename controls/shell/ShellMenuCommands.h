#pragma once
// The command ids of the shell controls' context menus. The shell's own commands sit from
// kFirstShellCommand up (id - kFirstShellCommand is the shell's command offset); ids below
// that are our Send To entries (id - 1 is the entry's index); 0 is "nothing chosen".

namespace mw {

constexpr unsigned kFirstShellCommand = 1000;
constexpr unsigned kLastShellCommand = 0x7FFF;
// The shell's rename command: the controls edit the label in place instead.
constexpr unsigned kShellRenameOffset = 18;

enum class TMenuCommandKind { None, SendTo, Rename, Shell };

struct TMenuCommand {
    TMenuCommandKind kind = TMenuCommandKind::None;
    // SendTo: the entry's index; Shell and Rename: the shell's command offset.
    unsigned value = 0;
};

// What a command id from TrackPopupMenu stands for.
TMenuCommand ClassifyMenuCommand(unsigned id);

}  // namespace mw
