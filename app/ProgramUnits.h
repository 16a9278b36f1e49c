#pragma once
// The start-up and end of the units the program is made of, and what a test may ask the
// running program about them.

#include <windows.h>

namespace quillon {

// Starts the units in their order, the ones others build on first: the utilities' tables
// (floating-point exceptions masked), the shell units (COM, the shell facts, the shell
// controls' set-up) and the drag-and-drop unit (its clipboard formats and OLE). The object's
// end finishes them in the reverse order. The program holds one for its whole run, made before
// any window and gone after the last.
class TProgramUnits {
public:
    TProgramUnits();
    ~TProgramUnits();
    TProgramUnits(const TProgramUnits&) = delete;
    TProgramUnits& operator=(const TProgramUnits&) = delete;
};

// The main window answers the registered window message of this name with UnitState(), so that
// a test can ask the running program what only its start-up sets.
extern const char kUnitStateMessageName[];

enum : LRESULT {
    kUnitStateWindowsNT = 1,       // the shell facts were read: the NT family was recognised
    kUnitStateShellOverlays = 2,   // the system image lists hold the shell's overlay images
};
LRESULT UnitState();

}  // namespace quillon
