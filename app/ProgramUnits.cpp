#include "app/ProgramUnits.h"

#include "controls/shell/MwShellUtils.h"
#include "controls/shell/ShellStartup.h"
#include "controls/shell/SystemImageLists.h"
#include "dragdrop/OleSession.h"
#include "utils/UtStartup.h"

namespace quillon {

TProgramUnits::TProgramUnits() {
    ut::InitializeUtilities();
    mw::InitializeShellUnits();
    dragdrop::InitializeDragDrop();
}

TProgramUnits::~TProgramUnits() {
    dragdrop::FinalizeDragDrop();
    mw::FinalizeShellUnits();
    ut::FinalizeUtilities();
}

const char kUnitStateMessageName[] = "Quillon.UnitState";

LRESULT UnitState() {
    LRESULT state = 0;
    if (mw::IsWinNT()) state |= kUnitStateWindowsNT;
    // The overlays are loaded with the first list asked for, where the shell facts allow it.
    mw::GetSystemImageList(mw::TMwImageListSize::Small);
    if (mw::SystemImageListOverlaysLoaded()) state |= kUnitStateShellOverlays;
    return state;
}

}  // namespace quillon
