#pragma once
// OLE for the drag-and-drop components and the clipboard formats they use.
//
// OLE is started once for the process, on the UI thread, by the first drag-and-drop component
// made (the form reader makes them while the main window is read, before any drag can start),
// and stopped when the process exits. Starting it again does nothing.

#include <windows.h>
#include <objidl.h>

namespace dragdrop {

// Calls OleInitialize the first time; true when OLE is usable on this thread.
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
