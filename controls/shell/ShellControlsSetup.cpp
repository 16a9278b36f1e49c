#include "controls/shell/ShellControlsSetup.h"

#include <ole2.h>

#include "controls/shell/SendToList.h"
#include "dragdrop/OleSession.h"

namespace mw {

namespace {

THoverSettings hoverSettings;
bool oleInitialized = false;  // only a successful OleInitialize is balanced

UINT SystemValue(UINT action, UINT fallback) {
    UINT value = 0;
    return SystemParametersInfoA(action, 0, &value, 0) ? value : fallback;
}

}  // namespace

const THoverSettings& HoverExpandSettings() { return hoverSettings; }

CLIPFORMAT ShellIdListClipboardFormat() { return dragdrop::ClipboardFormats().shellIdList; }

void InitializeShellControls() {
    ShellIdListClipboardFormat();
    oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    const THoverSettings defaults;
    hoverSettings.time = SystemValue(SPI_GETMOUSEHOVERTIME, defaults.time);
    hoverSettings.width = SystemValue(SPI_GETMOUSEHOVERWIDTH, defaults.width);
    hoverSettings.height = SystemValue(SPI_GETMOUSEHOVERHEIGHT, defaults.height);
}

void FinalizeShellControls() {
    FreeSendToList();
    if (oleInitialized) OleUninitialize();
    oleInitialized = false;
}

}  // namespace mw
