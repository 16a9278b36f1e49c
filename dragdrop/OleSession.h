#pragma once
// OLE for the drag-and-drop components and the clipboard formats they use.
//
// The program starts the unit before it makes any window (InitializeDragDrop) and finishes it
// at the end: OLE is then started and stopped once, on the UI thread. Where the unit was not
// started (tests that make the components alone), the first component made starts OLE for the
// rest of the process.

#include <windows.h>
#include <objidl.h>

namespace dragdrop {

// Registers the clipboard formats and starts OLE; nested calls only count.
void InitializeDragDrop();
// The call that balances the first InitializeDragDrop stops OLE.
void FinalizeDragDrop();

// True when OLE is usable on this thread: started by the unit, or else now, once.
bool EnsureOleInitialized();

struct TClipboardFormats {
    CLIPFORMAT shellIdList;          // "Shell IDList Array"
    CLIPFORMAT preferredDropEffect;  // "Preferred DropEffect"
    CLIPFORMAT fileNameMap;          // "FileNameMap"
    CLIPFORMAT fileNameMapW;         // "FileNameMapW"
};
// Registered on first use.
const TClipboardFormats& ClipboardFormats();

}  // namespace dragdrop
