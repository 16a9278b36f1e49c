#pragma once
// The process-wide set-up of the shell controls: the "Shell IDList Array" clipboard format,
// OLE for their drag and drop, and the system's mouse-hover settings, which the tree uses to
// expand a node that a drag hovers over.

#include <windows.h>
#include <objidl.h>

namespace mw {

struct THoverSettings {
    UINT time = 400;  // milliseconds
    UINT width = 2;   // pixels
    UINT height = 2;
};

// Read at set-up; the defaults above stand for any value the system did not give.
const THoverSettings& HoverExpandSettings();
// Registered at set-up (the drag-and-drop components use the same registration).
CLIPFORMAT ShellIdListClipboardFormat();

void InitializeShellControls();
void FinalizeShellControls();

}  // namespace mw
